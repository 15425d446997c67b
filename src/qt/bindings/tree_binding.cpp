#include "bindings/tree_binding.h"

#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

#include "pictures.h"
#include "qt_text.h"
#include "wizard/controls.h"

namespace varmio {

namespace {
// Item data: the row's position in the model (the screenshot hook finds nodes by it).
constexpr int kPositionRole = Qt::UserRole;
}  // namespace

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
    if (tree_.revision() != shownRevision_) {
        applyRemovals();
        addNewNodes();
        shownRevision_ = tree_.revision();
    }
    showFields();
    showSelection();
}

void TreeBinding::applyRemovals() {
    const auto changes = tree_.changesSince(shownRevision_);
    if (!changes) return forgetAll();
    int first = 0;
    for (const TreeChange& change : *changes) {
        if (change.kind == TreeChange::Kind::Cleared) {
            forgetAll();
            first = 0;
            continue;
        }
        // A node added and removed since the last sync was never shown.
        const auto index = static_cast<size_t>(change.position - 1);
        if (index >= rows_.size()) continue;
        // Removals come deepest first: the item has no children left when it goes.
        delete rows_[index].item;
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
        first = first == 0 ? change.position : std::min(first, change.position);
    }
    if (first > 0) renumberFrom(first);
}

void TreeBinding::addNewNodes() {
    if (rows_.size() > static_cast<size_t>(tree_.count())) forgetAll();  // never expected
    for (int p = static_cast<int>(rows_.size()) + 1; p <= tree_.count(); ++p) {
        const TreeNode& node = tree_.node(p);
        // Filled before it joins the widget, which then lays it out once.
        auto* item = new QTreeWidgetItem();
        item->setText(0, qs(node.text));
        item->setData(0, kPositionRole, p);
        item->setIcon(0, treeIcon(node.image));
        const int parent = node.parent ? tree_.position(*node.parent) : 0;
        if (parent > 0)
            rows_[static_cast<size_t>(parent - 1)].item->addChild(item);
        else
            view_->addTopLevelItem(item);
        rows_.push_back({item, node.text, node.image, false});
    }
}

void TreeBinding::showFields() {
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        const TreeNode& node = tree_.node(static_cast<int>(i) + 1);
        if (row.text != node.text) {
            row.text = node.text;
            row.item->setText(0, qs(node.text));
        }
        if (row.image != node.image) {
            row.image = node.image;
            row.item->setIcon(0, treeIcon(node.image));
        }
        if (row.expanded != node.expanded) {
            row.expanded = node.expanded;
            row.item->setExpanded(node.expanded);
        }
    }
}

void TreeBinding::showSelection() {
    const int selected = tree_.selectedPosition();
    QTreeWidgetItem* current = selected > 0 && selected <= static_cast<int>(rows_.size())
                                   ? rows_[static_cast<size_t>(selected - 1)].item
                                   : nullptr;
    if (view_->currentItem() != current) {
        view_->setCurrentItem(current);
        if (!current) view_->clearSelection();
    }
}

void TreeBinding::forgetAll() {
    view_->clear();
    rows_.clear();
}

void TreeBinding::renumberFrom(int first) {
    for (size_t i = static_cast<size_t>(first - 1); i < rows_.size(); ++i)
        rows_[i].item->setData(0, kPositionRole, static_cast<int>(i) + 1);
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

int TreeBinding::positionOf(QTreeWidgetItem* item) const {
    if (!item) return 0;
    const int position = item->data(0, kPositionRole).toInt();
    return position >= 1 && position <= tree_.count() ? position : 0;
}

void TreeBinding::setExpanded(QTreeWidgetItem* item, bool expanded) {
    const int position = positionOf(item);
    if (position == 0 || position > static_cast<int>(rows_.size())) return;
    rows_[static_cast<size_t>(position - 1)].expanded = expanded;
    tree_.node(position).expanded = expanded;
}

}  // namespace varmio
