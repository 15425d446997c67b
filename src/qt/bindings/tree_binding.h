#pragma once

#include <string>
#include <utility>
#include <vector>

#include "bindings/binding.h"

class QEvent;
class QTreeWidget;
class QTreeWidgetItem;

namespace varmio {

class TreeView;
struct TreeNode;

// The intranet tree: nodes keep the model's order and nesting. A left press on a node is the
// node click, followed by the press itself; a right press leaves the selection alone.
class TreeBinding : public FormBinder::Binding {
  public:
    TreeBinding(TreeView& tree, QTreeWidget* widget, const Act& act);
    void sync() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // 0 for a top-level node.
    int parentPosition(const TreeNode& node) const;
    // What a rebuild depends on: keys and parents in order.
    std::vector<std::pair<std::string, int>> shape() const;
    void rebuild();
    int positionOf(QTreeWidgetItem* item) const;
    void setExpanded(QTreeWidgetItem* item, bool expanded);

    TreeView& tree_;
    QTreeWidget* view_;
    std::vector<QTreeWidgetItem*> items_;
    std::vector<std::pair<std::string, int>> shape_;
};

}  // namespace varmio
