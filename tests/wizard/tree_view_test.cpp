// The tree model finds nodes by key through an index and numbers them by a stored position:
// both must follow every add, removal and clear exactly as a search through the nodes would,
// and the journal a front end follows must name the removed positions.
#include <gtest/gtest.h>

#include "platform/errors.h"
#include "wizard/controls.h"
#include "wizard/form.h"

namespace varmio {
namespace {

int errorOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(TreeView, KeysPositionsAndRemovalStayConsistent) {
    Form form("frm");
    TreeView tree(form, "tvw");
    tree.add("", "root", "Root", 5);
    tree.add("ROOT", "a", "A", 1);
    tree.add("root", "b", "B", 1);
    TreeNode& a1 = tree.add("A", "a1", "A1", 1);
    tree.addChild(a1, "", "Doc", 4);
    tree.add("b", "b1", "B1", 1);
    EXPECT_EQ(errorOf([&] { tree.add("root", "B", "again", 1); }), errnum::kKeyNotUnique);
    EXPECT_EQ(errorOf([&] { tree.add("nowhere", "c", "C", 1); }), errnum::kElementNotFound);
    EXPECT_EQ(tree.find(""), nullptr) << "no node is found by the empty key";
    ASSERT_EQ(tree.count(), 6);

    tree.select(tree.find("A1"));
    const std::uint64_t before = tree.revision();
    tree.remove(*tree.find("a"));
    EXPECT_EQ(tree.count(), 3) << "a, a1 and the document below a1 go";
    EXPECT_EQ(tree.selected(), nullptr);
    EXPECT_EQ(tree.find("a1"), nullptr);
    EXPECT_EQ(tree.position(*tree.find("b1")), 3);
    EXPECT_EQ(tree.node(2).key, "b");
    EXPECT_EQ(tree.childCount(tree.node(1)), 1);
    // A front end learns which positions went, the later (deeper) ones first.
    std::vector<int> removed;
    const auto changes = tree.changesSince(before);
    for (const TreeChange& change : *changes)
        removed.push_back(change.position);
    EXPECT_EQ(removed, (std::vector<int>{5, 4, 2}));
    tree.add("root", "A", "A again", 1);  // the key is free once its node is gone
    EXPECT_EQ(tree.position(*tree.find("a")), 4);
    EXPECT_EQ(errorOf([&] { tree.node(5); }), errnum::kIndexOutOfBounds);

    tree.clear();
    EXPECT_EQ(tree.count(), 0);
    EXPECT_EQ(tree.find("root"), nullptr);
    EXPECT_FALSE(tree.changesSince(before))
        << "a front end that saw the tree before shows it afresh";
    EXPECT_EQ(tree.changesSince(tree.revision() - 1)->front().kind, TreeChange::Kind::Cleared);
}

}  // namespace
}  // namespace varmio
