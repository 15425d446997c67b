#include "control_properties.h"

#include <charconv>

#include "platform/basic_text.h"
#include "wizard/form.h"

namespace varmio {

namespace {

std::string boolText(bool value) {
    return value ? "true" : "false";
}

struct PropertyName {
    std::string base;  // lowered, without the position
    int position = 0;  // row(N) / node(N); 0 when absent
    bool indexed = false;
};

PropertyName parseName(std::string_view property) {
    PropertyName name{lcase(property)};
    size_t open = name.base.find('(');
    if (open == std::string::npos || name.base.back() != ')') return name;
    std::string_view digits(name.base);
    digits = digits.substr(open + 1, digits.size() - open - 2);
    int position = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), position);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        throw PropertyError("bad position in property \"" + std::string(property) + "\"");
    name.base.resize(open);
    name.position = position;
    name.indexed = true;
    return name;
}

bool hasCaption(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Label:
        case ControlKind::MenuItem:
            return true;
        default:
            return false;
    }
}

std::vector<std::string> rowValues(const ListView& list, int position) {
    if (position < 1 || position > list.count())
        throw PropertyError(list.id() + " has no row " + std::to_string(position) + " (" +
                            std::to_string(list.count()) + " rows)");
    const ListItem& row = list.rows[position - 1];
    // One value per column; a list without headers shows what the row holds.
    size_t columns = list.columns.empty() ? 1 + row.subItems.size() : list.columns.size();
    std::vector<std::string> values{row.text};
    for (size_t i = 1; i < columns; ++i)
        values.push_back(row.subItem(static_cast<int>(i)));
    return values;
}

std::vector<std::string> nodeValues(TreeView& tree, int position) {
    if (position < 1 || position > tree.count())
        throw PropertyError(tree.id() + " has no node " + std::to_string(position) + " (" +
                            std::to_string(tree.count()) + " nodes)");
    const TreeNode& node = tree.node(position);
    return {node.key, node.text, node.tag, std::to_string(node.image)};
}

std::vector<std::string> folderEntries(const DirList& list) {
    try {
        return list.subFolders();
    } catch (const std::exception&) {
        return {};  // an unreadable folder shows no sub-folders
    }
}

[[noreturn]] void noSuchProperty(const Control& control, std::string_view property) {
    throw PropertyError(control.id() + " has no property \"" + std::string(property) + "\"");
}

}  // namespace

std::vector<std::string> propertyNames(Control& control) {
    std::vector<std::string> names{"visible", "enabled"};
    if (hasCaption(control.kind())) names.push_back("caption");
    switch (control.kind()) {
        case ControlKind::CheckBox:
            names.push_back("value");
            break;
        case ControlKind::TextBox:
            names.push_back("text");
            break;
        case ControlKind::ComboBox:
            names.insert(names.end(), {"text", "items"});
            break;
        case ControlKind::ListView: {
            auto& list = static_cast<ListView&>(control);
            names.insert(names.end(), {"columns", "rows", "selected"});
            for (int i = 1; i <= list.count(); ++i)
                names.push_back("row(" + std::to_string(i) + ")");
            break;
        }
        case ControlKind::TreeView: {
            auto& tree = static_cast<TreeView&>(control);
            names.insert(names.end(), {"nodes", "selected"});
            for (int i = 1; i <= tree.count(); ++i)
                names.push_back("node(" + std::to_string(i) + ")");
            break;
        }
        case ControlKind::DriveList:
            names.insert(names.end(), {"drive", "items"});
            break;
        case ControlKind::DirList:
            names.insert(names.end(), {"path", "items"});
            break;
        default:
            break;
    }
    return names;
}

std::vector<std::string> readProperty(Control& control, std::string_view property) {
    PropertyName name = parseName(property);
    const ControlKind kind = control.kind();
    if (!name.indexed) {
        if (name.base == "visible") return {boolText(control.visible)};
        if (name.base == "enabled") return {boolText(control.enabled)};
        if (name.base == "caption" && hasCaption(kind)) return {control.caption};
    }
    switch (kind) {
        case ControlKind::CheckBox:
            if (name.base == "value" && !name.indexed)
                return {std::to_string(static_cast<CheckBox&>(control).value())};
            break;
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            if (name.base == "text" && !name.indexed)
                return {static_cast<TextControl&>(control).text};
            if (name.base == "items" && !name.indexed && kind == ControlKind::ComboBox)
                return static_cast<ComboBox&>(control).items;
            break;
        case ControlKind::ListView: {
            auto& list = static_cast<ListView&>(control);
            if (name.indexed) {
                if (name.base == "row") return rowValues(list, name.position);
                break;
            }
            if (name.base == "rows") return {std::to_string(list.count())};
            if (name.base == "selected") return {std::to_string(list.selected)};
            if (name.base == "columns") {
                std::vector<std::string> headers;
                for (const ColumnHeader& column : list.columns)
                    headers.push_back(column.text);
                return headers;
            }
            break;
        }
        case ControlKind::TreeView: {
            auto& tree = static_cast<TreeView&>(control);
            if (name.indexed) {
                if (name.base == "node") return nodeValues(tree, name.position);
                break;
            }
            if (name.base == "nodes") return {std::to_string(tree.count())};
            if (name.base == "selected") return {std::to_string(tree.selectedPosition())};
            break;
        }
        case ControlKind::DriveList: {
            auto& drives = static_cast<DriveList&>(control);
            if (name.indexed) break;
            if (name.base == "drive") return {drives.drive()};
            if (name.base == "items") return drives.drives();
            break;
        }
        case ControlKind::DirList: {
            auto& folders = static_cast<DirList&>(control);
            if (name.indexed) break;
            if (name.base == "path") return {folders.path()};
            if (name.base == "items") return folderEntries(folders);
            break;
        }
        default:
            break;
    }
    // What a control shows, asked for under the other name: a label's text is its caption, a
    // text box's caption its text.
    if (!name.indexed && name.base == "text" && hasCaption(kind)) return {control.caption};
    if (!name.indexed && name.base == "caption" &&
        (kind == ControlKind::TextBox || kind == ControlKind::ComboBox))
        return {static_cast<TextControl&>(control).text};
    noSuchProperty(control, property);
}

std::vector<std::string> formPropertyNames(const Form&) {
    return {"visible", "caption"};
}

std::vector<std::string> readFormProperty(const Form& form, std::string_view property) {
    std::string name = lcase(property);
    if (name == "visible") return {boolText(form.visible)};
    if (name == "caption" || name == "text") return {form.caption};
    throw PropertyError(form.name() + " has no property \"" + std::string(property) + "\"");
}

bool isBooleanProperty(std::string_view property) {
    std::string name = lcase(property);
    return name == "visible" || name == "enabled";
}

bool parseBoolean(std::string_view text, bool& value) {
    std::string lowered = lcase(text);
    if (lowered == "1" || lowered == "true") {
        value = true;
        return true;
    }
    if (lowered == "0" || lowered == "false") {
        value = false;
        return true;
    }
    return false;
}

}  // namespace varmio
