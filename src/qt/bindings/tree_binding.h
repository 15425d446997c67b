#pragma once

#include <cstdint>
#include <string>
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
//
// The widget follows the model change by change: removals from the model's journal, then the
// nodes added since, then the text, image and expansion of any node that differs from what the
// widget shows. A tree of thousands of nodes thus costs little to show while it loads.
class TreeBinding : public FormBinder::Binding {
  public:
    TreeBinding(TreeView& tree, QTreeWidget* widget, const Act& act);
    void sync() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One shown node: its item and what the item shows.
    struct Row {
        QTreeWidgetItem* item;
        std::string text;
        int image;
        bool expanded;
    };

    void applyRemovals();
    void addNewNodes();
    void showFields();
    void showSelection();
    void forgetAll();
    // Item data holds the position; after removals the rows from `first` are renumbered.
    void renumberFrom(int first);
    int positionOf(QTreeWidgetItem* item) const;
    void setExpanded(QTreeWidgetItem* item, bool expanded);

    TreeView& tree_;
    QTreeWidget* view_;
    std::vector<Row> rows_;  // the model's first nodes, as many as are shown
    std::uint64_t shownRevision_ = 0;
};

}  // namespace varmio
