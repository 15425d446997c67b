#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The window's controls as plain data with the properties and events the window code uses.
// A front end (the desktop window, the headless driver) shows them and feeds user actions in.
namespace varmio {

class Form;

enum class ControlKind {
    Frame,
    Button,
    CheckBox,
    Label,
    TextBox,
    ComboBox,
    ListView,
    TreeView,
    DriveList,
    DirList,
    Picture,
    MenuItem,
};

class Control {
  public:
    // Registers the control with `form`. `index` >= 0 makes it an element of a control array;
    // `container` is the frame that holds it (nullptr: the window itself).
    Control(Form& form, ControlKind kind, std::string name, Control* container = nullptr,
            int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // The name a script or a binding uses: "cmd_next", or "cmd_browse(1)" for an array element.
    std::string id() const;
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    Control* container() const { return container_; }

    // Whether a user can reach it: visible and enabled itself and through every frame holding it.
    bool reachable() const;
    // Visible itself and through every frame holding it.
    bool shown() const;

    bool visible = true;
    bool enabled = true;
    std::string caption;
    int left = 0;
    int top = 0;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

    // A user's click: runs Click (a check box toggles first).
    virtual void userClick();
    void userDblClick();

  private:
    Form& form_;
    ControlKind kind_;
    std::string name_;
    Control* container_;
    int index_;
};

class Frame : public Control {
  public:
    Frame(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::Frame, std::move(name), container, index) {}
};

class Button : public Control {
  public:
    Button(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::Button, std::move(name), container, index) {}
};

class Label : public Control {
  public:
    Label(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::Label, std::move(name), container, index) {}
};

class Picture : public Control {
  public:
    Picture(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::Picture, std::move(name), container, index) {}
};

class MenuItem : public Control {
  public:
    MenuItem(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::MenuItem, std::move(name), container, index) {}
};

// A check box. Setting its value from code runs Click when the value changes, as the window code
// relies on (restoring a saved state shows or hides what the box governs).
class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::CheckBox, std::move(name), container, index) {}

    int value() const { return value_; }
    void setValue(int value);
    bool ticked() const { return value_ == 1; }
    void userClick() override;

  private:
    int value_ = 0;
};

// The character code a key press hands over for Enter.
inline constexpr int kEnterKey = 13;

// Text boxes and combo boxes: a text and the key press event.
class TextControl : public Control {
  public:
    using Control::Control;

    std::string text;
    std::function<void(int& keyAscii)> onKeyPress;
    void keyPress(int keyAscii);
};

class TextBox : public TextControl {
  public:
    TextBox(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : TextControl(form, ControlKind::TextBox, std::move(name), container, index) {}
    bool multiLine = false;
    bool password = false;
};

class ComboBox : public TextControl {
  public:
    ComboBox(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : TextControl(form, ControlKind::ComboBox, std::move(name), container, index) {}

    std::vector<std::string> items;
    void addItem(std::string item) { items.push_back(std::move(item)); }
    // Empties the list; the text stays.
    void clear() { items.clear(); }
    // Fills the list from a stored "|"-terminated list (a final fragment counts as an entry).
    void fillFromList(std::string_view stored);
    // A user picks an entry of the list: it becomes the text, then Click runs.
    // Returns false when no entry has that text.
    bool choose(std::string_view entry);
};

// Row images of the list views.
namespace list_image {
inline constexpr int kFolder = 1;
inline constexpr int kLink = 2;
}  // namespace list_image

struct ListItem {
    std::string text;
    std::vector<std::string> subItems;  // columns 2, 3, ...
    int icon = 0;                       // image number of the shared image list, 0 for none

    // SubItems(i), i from 1: column i + 1; "" when never set.
    std::string subItem(int i) const;
    void setSubItem(int i, std::string value);
};

struct ColumnHeader {
    std::string text;
    int width = 0;
};

// A report-style list view. Rows and selection positions count from 1; 0 selects nothing.
class ListView : public Control {
  public:
    ListView(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::ListView, std::move(name), container, index) {}

    std::vector<ColumnHeader> columns;
    std::vector<ListItem> rows;
    int selected = 0;
    int width = 400;

    int count() const { return static_cast<int>(rows.size()); }
    ListItem& add(std::string text);
    // Removes row `position`; the selection follows its row, or is cleared with it.
    void remove(int position);
    void clear();
    ListItem* selectedItem();
    ListItem& row(int position);  // throws when out of range
};

struct TreeNode {
    TreeNode(std::string key, std::string text, int image, TreeNode* parent)
        : key(std::move(key)), text(std::move(text)), image(image), parent(parent) {}

    const std::string key;  // fixed: the tree finds its nodes by key
    std::string text;
    std::string tag;
    int image = 0;
    bool expanded = false;
    TreeNode* parent = nullptr;

  private:
    friend class TreeView;
    int position_ = 0;  // in the tree that holds it
};

// A change to which nodes a tree holds, for a front end that shows them without rebuilding.
// Additions need no entry: a node is always added last, so the nodes added since a front end
// last looked are the ones after those it shows.
struct TreeChange {
    enum class Kind { Removed, Cleared };
    Kind kind;
    int position = 0;            // Removed: the position the node had then
    std::uint64_t revision = 0;  // the tree's revision this change made
};

// A tree view. Nodes keep the order in which they were added; positions count from 1. Keys
// are unique without regard to case ("" is no key); a node is found by key in constant time.
class TreeView : public Control {
  public:
    TreeView(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::TreeView, std::move(name), container, index) {}

    // Adds a node as the last child of the node keyed `parentKey` ("" for a top-level node).
    // Throws when the parent key names no node, or when `key` is not unique.
    TreeNode& add(std::string_view parentKey, std::string key, std::string text, int image);
    // Adds a child of `parent` (a node of this tree).
    TreeNode& addChild(TreeNode& parent, std::string key, std::string text, int image);
    // Removes a node with all its descendants; the nodes after them move up.
    void remove(TreeNode& node);
    void clear();

    int count() const { return static_cast<int>(nodes_.size()); }
    TreeNode& node(int position);  // throws when out of range
    const TreeNode& node(int position) const;
    int position(const TreeNode& node) const;  // 0 when not in this tree
    TreeNode* find(std::string_view key);
    int childCount(const TreeNode& node) const;
    TreeNode* selected() const { return selected_; }
    void select(TreeNode* node) { selected_ = node; }
    int selectedPosition() const { return selected_ ? position(*selected_) : 0; }

    // Counts every add, removal and clear. A front end that showed the tree at one revision
    // applies the removals since then (a subtree's nodes one by one, deepest first) and adds
    // the nodes it does not show yet. Nullopt when those removals are no longer kept: the front
    // end shows the tree afresh. Text, image and expansion are plain fields a front end compares.
    std::uint64_t revision() const { return revision_; }
    std::optional<std::span<const TreeChange>> changesSince(std::uint64_t revision) const;

    std::function<void(TreeNode&)> onNodeClick;
    std::function<void(int button, int shift)> onMouseDown;

    // A user's click on the node at `position`: selects it and runs the node click.
    void userNodeClick(int position);
    void userMouseDown(int button);

  private:
    TreeNode& insert(TreeNode* parent, std::string key, std::string text, int image);
    void record(TreeChange::Kind kind, int position);

    // Keys hash and compare without regard to ASCII case; the views point into the nodes.
    struct NoCaseHash {
        size_t operator()(std::string_view key) const;
    };
    struct NoCaseEqual {
        bool operator()(std::string_view a, std::string_view b) const;
    };

    std::vector<std::unique_ptr<TreeNode>> nodes_;
    std::unordered_map<std::string_view, TreeNode*, NoCaseHash, NoCaseEqual> byKey_;
    std::vector<TreeChange> journal_;  // removals and clears, oldest first
    std::uint64_t revision_ = 0;
    std::uint64_t forgotten_ = 0;  // changes up to this revision are no longer in the journal
    TreeNode* selected_ = nullptr;
};

// The drive list. This platform has one drive: the root of the file system.
class DriveList : public Control {
  public:
    DriveList(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::DriveList, std::move(name), container, index) {}

    const std::string& drive() const { return drive_; }
    // Moves to a drive; Change runs when it differs. Throws when it cannot be read.
    void setDrive(std::string_view drive);
    std::vector<std::string> drives() const;
    // The drive a path lies on.
    std::string driveOf(std::string_view path) const;
    std::function<void()> onChange;

  private:
    std::string drive_ = "/";
};

// The folder list: a current folder and its sub-folders.
class DirList : public Control {
  public:
    DirList(Form& form, std::string name, Control* container = nullptr, int index = -1)
        : Control(form, ControlKind::DirList, std::move(name), container, index) {}

    const std::string& path() const { return path_; }
    // Moves to a folder; Change runs when it differs. Throws (path not found) when it does not
    // exist.
    void setPath(std::string_view path);
    std::vector<std::string> subFolders() const;
    std::function<void()> onChange;

  private:
    std::string path_ = "/";
};

// The elements of a control array, reached by their indexes.
template <class T>
class ControlArray {
  public:
    ControlArray(Form& form, const std::string& name, Control* container,
                 std::initializer_list<int> indexes) {
        for (int i : indexes)
            items_.push_back(std::make_unique<T>(form, name, container, i));
    }
    T& operator[](int index) {
        for (auto& item : items_)
            if (item->index() == index) return *item;
        throw std::out_of_range("control array index");
    }
    const T& operator[](int index) const { return const_cast<ControlArray&>(*this)[index]; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    int size() const { return static_cast<int>(items_.size()); }

  private:
    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace varmio
