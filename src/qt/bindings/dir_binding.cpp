#include "bindings/dir_binding.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <exception>
#include <vector>

#include "pictures.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

DirBinding::DirBinding(DirList& dirs, QListWidget* widget, const Act& act)
    : Binding(dirs, widget, act), dirs_(dirs), listWidget_(widget) {
    QObject::connect(widget, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::string path = item->data(Qt::UserRole).toString().toStdString();
        userAction([this, path] {
            try {
                dirs_.setPath(path);
            } catch (const std::exception&) {
                // A folder that went away leaves the list where it was.
            }
        });
    });
}

void DirBinding::sync() {
    syncState();
    if (dirs_.path() == shownPath_) return;
    QSignalBlocker quiet(listWidget_);
    listWidget_->clear();
    shownPath_ = dirs_.path();
    const QString path = qs(shownPath_);
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked = QStringLiteral("/");
    addEntry(QStringLiteral("/"), walked, 0, true);
    for (int i = 0; i < parts.size(); ++i) {
        walked += (i ? QStringLiteral("/") : QString()) + parts[i];
        addEntry(parts[i], walked, i + 1, true);
    }
    listWidget_->setCurrentRow(listWidget_->count() - 1);
    std::vector<std::string> subFolders;
    try {
        subFolders = dirs_.subFolders();
    } catch (const std::exception&) {
        // An unreadable folder shows no sub-folders.
    }
    const QString base = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    for (const auto& name : subFolders)
        addEntry(qs(name), base + qs(name), static_cast<int>(parts.size()) + 1, false);
}

void DirBinding::addEntry(const QString& text, const QString& path, int depth, bool open) {
    auto* item = new QListWidgetItem(folderIcon(open), QString(depth * 2, QLatin1Char(' ')) + text);
    item->setData(Qt::UserRole, path);
    listWidget_->addItem(item);
}

}  // namespace varmio
