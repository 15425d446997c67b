#include "bindings/list_binding.h"

#include <QEvent>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

#include "pictures.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

namespace {

// The selection of a list or tree view as the model counts it: 0 for none.
int rowOf(QTreeWidget& tree, QTreeWidgetItem* item) {
    return item ? tree.indexOfTopLevelItem(item) + 1 : 0;
}

}  // namespace

ListBinding::ListBinding(ListView& list, QTreeWidget* tree, const Act& act)
    : Binding(list, tree, act), list_(list), tree_(tree) {
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->header()->setStretchLastSection(false);
    tree->viewport()->installEventFilter(this);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, this,
                     [this](QTreeWidgetItem* item) { list_.selected = rowOf(*tree_, item); });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int row = rowOf(*tree_, item);
        userAction([this, row] {
            list_.selected = row;
            list_.userDblClick();
        });
    });
}

void ListBinding::sync() {
    syncState();
    QSignalBlocker quiet(tree_);
    syncColumns();
    syncRows();
    QTreeWidgetItem* current = list_.selected >= 1 && list_.selected <= tree_->topLevelItemCount()
                                   ? tree_->topLevelItem(list_.selected - 1)
                                   : nullptr;
    if (tree_->currentItem() != current) {
        tree_->setCurrentItem(current);
        if (!current) tree_->clearSelection();
    }
}

bool ListBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) fitColumns();
    return Binding::eventFilter(watched, event);
}

// A list without column headers shows its rows' texts in one headerless column.
void ListBinding::syncColumns() {
    QStringList headers;
    for (const auto& column : list_.columns)
        headers << qs(column.text);
    const bool headerless = headers.isEmpty();
    if (headerless) headers << QString();
    if (tree_->isHeaderHidden() != headerless) {
        tree_->setHeaderHidden(headerless);
        tree_->header()->setStretchLastSection(headerless);
    }
    if (tree_->columnCount() == headers.size() && shownHeaders() == headers) return;
    tree_->setColumnCount(static_cast<int>(headers.size()));
    tree_->setHeaderLabels(headers);
    fitColumns();
}

QStringList ListBinding::shownHeaders() const {
    QStringList headers;
    if (QTreeWidgetItem* header = tree_->headerItem())
        for (int i = 0; i < header->columnCount(); ++i)
            headers << header->text(i);
    return headers;
}

void ListBinding::fitColumns() {
    int total = 0;
    for (const auto& column : list_.columns)
        total += column.width > 0 ? column.width : 0;
    const int available = tree_->viewport()->width();
    if (total <= 0 || available <= 0) return;
    for (size_t i = 0; i < list_.columns.size(); ++i)
        tree_->setColumnWidth(static_cast<int>(i), list_.columns[i].width * available / total);
}

QStringList ListBinding::columnsOf(const ListItem& row, int count) {
    QStringList texts{qs(row.text)};
    for (int i = 1; i < count; ++i)
        texts << qs(row.subItem(i));
    return texts;
}

void ListBinding::syncRows() {
    const int count = std::max(1, tree_->columnCount());
    bool same = tree_->topLevelItemCount() == list_.count();
    for (int i = 0; same && i < list_.count(); ++i) {
        const QTreeWidgetItem* item = tree_->topLevelItem(i);
        const ListItem& row = list_.rows[static_cast<size_t>(i)];
        const QStringList texts = columnsOf(row, count);
        for (int c = 0; same && c < count; ++c)
            same = item->text(c) == texts.at(c);
        same = same && item->data(0, Qt::UserRole).toInt() == row.icon;
    }
    if (same) return;
    tree_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ListItem& row : list_.rows) {
        auto* item = new QTreeWidgetItem(columnsOf(row, count));
        item->setData(0, Qt::UserRole, row.icon);
        if (row.icon != 0) item->setIcon(0, listIcon(row.icon));
        items << item;
    }
    tree_->addTopLevelItems(items);
}

}  // namespace varmio
