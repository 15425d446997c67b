#include "qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "qt_text.h"

namespace varmio {

QtDialogs::QtDialogs(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

QWidget* QtDialogs::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return owner_ ? owner_() : nullptr;
}

void QtDialogs::message(std::string_view text, std::string_view title) {
    QMessageBox::information(owner(), qs(title), qs(text), QMessageBox::Ok);
}

bool QtDialogs::question(std::string_view text, std::string_view title) {
    return QMessageBox::question(owner(), qs(title), qs(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::input(std::string_view prompt, std::string_view title,
                                            std::string_view defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner(), qs(title), qs(prompt), QLineEdit::Normal,
                                                 qs(defaultText), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::optional<std::string> QtDialogs::openFile(const FileRequest& request) {
    const QStringList filters = toQtFilters(request.filter);
    QString selected;
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        selected = filters.at(request.filterIndex - 1);
    const QString file = QFileDialog::getOpenFileName(
        owner(), QString(), QString(), filters.join(QStringLiteral(";;")), &selected);
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

void QtDialogs::beep() {
    QApplication::beep();
}

QStringList QtDialogs::toQtFilters(std::string_view filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // Names often spell their patterns already ("JPEG (*.jpg, *.jpeg)"); Qt reads the
        // patterns from the last bracket, so only ours stays.
        QString name = parts.at(i).trimmed();
        if (name.endsWith(QLatin1Char(')')) && name.contains(QLatin1Char('(')))
            name = name.left(name.lastIndexOf(QLatin1Char('('))).trimmed();
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}

}  // namespace varmio
