#include <algorithm>
#include <unordered_set>
#include <utility>

#include "controls.h"
#include "platform/basic_text.h"
#include "platform/errors.h"

namespace varmio {

namespace {
// A front end that has not looked for this many removals rebuilds instead; this bounds the
// journal of a tree nobody shows.
constexpr size_t kJournalLimit = 1 << 14;
}  // namespace

size_t TreeView::NoCaseHash::operator()(std::string_view key) const {
    size_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : key)
        hash = (hash ^ static_cast<unsigned char>(lowerChar(c))) * 1099511628211ull;
    return hash;
}

bool TreeView::NoCaseEqual::operator()(std::string_view a, std::string_view b) const {
    return equalsNoCase(a, b);
}

TreeNode& TreeView::insert(TreeNode* parent, std::string key, std::string text, int image) {
    if (!key.empty() && find(key))
        throw RuntimeError(errnum::kKeyNotUnique, "Key is not unique in collection");
    auto& node = nodes_.emplace_back(
        std::make_unique<TreeNode>(std::move(key), std::move(text), image, parent));
    node->position_ = count();
    if (!node->key.empty()) byKey_.emplace(node->key, node.get());
    ++revision_;
    return *node;
}

TreeNode& TreeView::add(std::string_view parentKey, std::string key, std::string text, int image) {
    TreeNode* parent = nullptr;
    if (!parentKey.empty()) {
        parent = find(parentKey);
        if (!parent) throw RuntimeError(errnum::kElementNotFound, "Element not found");
    }
    return insert(parent, std::move(key), std::move(text), image);
}

TreeNode& TreeView::addChild(TreeNode& parent, std::string key, std::string text, int image) {
    return insert(&parent, std::move(key), std::move(text), image);
}

void TreeView::remove(TreeNode& node) {
    const int first = position(node);
    if (first == 0) return;
    // Children always come after their parent: one pass from the node finds every descendant.
    std::unordered_set<const TreeNode*> doomed{&node};
    for (size_t i = static_cast<size_t>(first); i < nodes_.size(); ++i)
        if (doomed.contains(nodes_[i]->parent)) doomed.insert(nodes_[i].get());
    if (doomed.contains(selected_)) selected_ = nullptr;
    for (const TreeNode* n : doomed)
        if (!n->key.empty()) byKey_.erase(n->key);
    for (size_t i = nodes_.size(); i-- > static_cast<size_t>(first - 1);)
        if (doomed.contains(nodes_[i].get()))
            record(TreeChange::Kind::Removed, static_cast<int>(i) + 1);
    std::erase_if(nodes_,
                  [&](const std::unique_ptr<TreeNode>& n) { return doomed.contains(n.get()); });
    for (size_t i = static_cast<size_t>(first - 1); i < nodes_.size(); ++i)
        nodes_[i]->position_ = static_cast<int>(i) + 1;
}

void TreeView::clear() {
    byKey_.clear();
    nodes_.clear();
    selected_ = nullptr;
    // Nothing before a clear matters to a front end any more.
    forgotten_ = revision_;
    journal_.clear();
    record(TreeChange::Kind::Cleared, 0);
}

void TreeView::record(TreeChange::Kind kind, int position) {
    if (journal_.size() >= kJournalLimit) {
        forgotten_ = revision_;
        journal_.clear();
    }
    journal_.push_back({kind, position, ++revision_});
}

std::optional<std::span<const TreeChange>> TreeView::changesSince(std::uint64_t revision) const {
    if (revision < forgotten_ || revision > revision_) return std::nullopt;
    auto first = std::upper_bound(
        journal_.begin(), journal_.end(), revision,
        [](std::uint64_t r, const TreeChange& change) { return r < change.revision; });
    return std::span<const TreeChange>(first, journal_.end());
}

TreeNode& TreeView::node(int position) {
    return const_cast<TreeNode&>(std::as_const(*this).node(position));
}

const TreeNode& TreeView::node(int position) const {
    if (position < 1 || position > count())
        throw RuntimeError(errnum::kIndexOutOfBounds, "Index out of bounds");
    return *nodes_[static_cast<size_t>(position - 1)];
}

int TreeView::position(const TreeNode& node) const {
    const int p = node.position_;
    return p >= 1 && p <= count() && nodes_[static_cast<size_t>(p - 1)].get() == &node ? p : 0;
}

TreeNode* TreeView::find(std::string_view key) {
    if (key.empty()) return nullptr;
    auto found = byKey_.find(key);
    return found == byKey_.end() ? nullptr : found->second;
}

int TreeView::childCount(const TreeNode& node) const {
    int children = 0;
    for (auto& n : nodes_)
        if (n->parent == &node) ++children;
    return children;
}

void TreeView::userNodeClick(int position) {
    TreeNode& n = node(position);
    selected_ = &n;
    if (onNodeClick) onNodeClick(n);
}

void TreeView::userMouseDown(int button) {
    if (onMouseDown) onMouseDown(button, 0);
}

}  // namespace varmio
