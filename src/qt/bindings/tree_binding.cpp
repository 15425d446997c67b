#include "bindings/tree_binding.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "pictures.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

TreeBinding::TreeBinding(TreeView& tree, QTreeWidget* widget, const Act& act)
    : Binding(tree, widget, act), tree_(tree), view_(widget) {
    widget->setHeaderHidden(true);
    widget->setColumnCount(1);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->viewport()->installEventFilter(this);
    QObject::connect(widget, &QTreeWidget::itemExpanded, this,
                     [this](QTreeWidgetItem* item) { setExpanded(item, true); });
    QObject::connect(widget, &QTreeWidget::itemCollapsed, this,
                     [this](QTreeWidgetItem* item) { setExpanded(item, false); });
    QObject::connect(widget, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const int position = positionOf(item);
        if (position > 0) tree_.select(&tree_.node(position));
    });
}

void TreeBinding::sync() {
    syncState();
    QSignalBlocker quiet(view_);
    if (shape() != shape_) rebuild();
    for (int p = 1; p <= tree_.count(); ++p) {
        QTreeWidgetItem* item = items_[static_cast<size_t>(p - 1)];
        const TreeNode& node = tree_.node(p);
        if (item->text(0) != qs(node.text)) item->setText(0, qs(node.text));
        if (item->data(0, Qt::UserRole + 1).toInt() != node.image) {
            item->setData(0, Qt::UserRole + 1, node.image);
            item->setIcon(0, treeIcon(node.image));
        }
        if (item->isExpanded() != node.expanded) item->setExpanded(node.expanded);
    }
    const int selected = tree_.selectedPosition();
    QTreeWidgetItem* current = selected > 0 ? items_[static_cast<size_t>(selected - 1)] : nullptr;
    if (view_->currentItem() != current) {
        view_->setCurrentItem(current);
        if (!current) view_->clearSelection();
    }
}

bool TreeBinding::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return Binding::eventFilter(watched, event);
    const auto* press = static_cast<QMouseEvent*>(event);
    const int button = press->button() == Qt::LeftButton     ? 1
                       : press->button() == Qt::RightButton  ? 2
                       : press->button() == Qt::MiddleButton ? 4
                                                             : 0;
    if (button == 0) return false;
    const int position = button == 1 ? positionOf(view_->itemAt(press->position().toPoint())) : 0;
    userAction([this, button, position] {
        if (position > 0) tree_.userNodeClick(position);
        tree_.userMouseDown(button);
    });
    return button != 1;
}

int TreeBinding::parentPosition(const TreeNode& node) const {
    return node.parent ? tree_.position(*node.parent) : 0;
}

std::vector<std::pair<std::string, int>> TreeBinding::shape() const {
    std::vector<std::pair<std::string, int>> out;
    for (int p = 1; p <= tree_.count(); ++p) {
        const TreeNode& node = tree_.node(p);
        out.emplace_back(node.key, parentPosition(node));
    }
    return out;
}

void TreeBinding::rebuild() {
    view_->clear();
    items_.clear();
    for (int p = 1; p <= tree_.count(); ++p) {
        const TreeNode& node = tree_.node(p);
        const int parent = parentPosition(node);
        auto* item = parent > 0 ? new QTreeWidgetItem(items_[static_cast<size_t>(parent - 1)])
                                : new QTreeWidgetItem(view_);
        item->setText(0, qs(node.text));
        item->setData(0, Qt::UserRole, p);
        item->setData(0, Qt::UserRole + 1, node.image);
        item->setIcon(0, treeIcon(node.image));
        items_.push_back(item);
    }
    shape_ = shape();
}

int TreeBinding::positionOf(QTreeWidgetItem* item) const {
    if (!item) return 0;
    const int position = item->data(0, Qt::UserRole).toInt();
    return position >= 1 && position <= tree_.count() ? position : 0;
}

void TreeBinding::setExpanded(QTreeWidgetItem* item, bool expanded) {
    if (int position = positionOf(item)) tree_.node(position).expanded = expanded;
}

}  // namespace varmio
