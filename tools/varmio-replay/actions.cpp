// The user actions of a script: who may receive them and what they do to the controls.
#include "interpreter.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "script_stop.h"
#include "wizard/form.h"

namespace varmio::replay {

namespace {

bool isText(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::ComboBox;
}

// "lvwFiles has no row 5 (3 rows)"
ScriptStop outOfRange(const std::string& name, const std::string& what, int position, int count) {
    return ScriptStop{name + " has no " + what + " " + std::to_string(position) + " (" +
                      std::to_string(count) + " " + what + "s)"};
}

}  // namespace

Target Interpreter::actionTarget(const Command& cmd) {
    // The language menu is the window's only menu item.
    if (cmd.action == Action::Menu && equalsNoCase(cmd.target, "Language"))
        return names_->resolve("mnu_language");
    return names_->resolve(cmd.target);
}

void Interpreter::checkKind(const Command& cmd, const Target& target) const {
    if (!target.control)
        throw ScriptStop{cmd.word + " needs a control, not the window " + cmd.target};
    const ControlKind kind = target.control->kind();
    auto require = [&](bool ok, const char* what) {
        if (!ok) throw ScriptStop{cmd.word + " needs " + what + "; " + cmd.target + " is not one"};
    };
    switch (cmd.action) {
        case Action::Type:
        case Action::Key:
            require(isText(kind), "a text or combo box");
            break;
        case Action::Choose:
            require(kind == ControlKind::ComboBox || kind == ControlKind::DriveList ||
                        kind == ControlKind::DirList,
                    "a combo box, drive list or folder list");
            break;
        case Action::Select:
            require(kind == ControlKind::ListView, "a list view");
            break;
        case Action::Node:
        case Action::Mouse:
            require(kind == ControlKind::TreeView, "a tree view");
            break;
        case Action::DblClick:
            if (kind == ControlKind::ListView && !cmd.hasNumber)
                throw ScriptStop{"dblclick on a list view needs a row: dblclick " + cmd.target +
                                 " ROW"};
            require(kind == ControlKind::ListView || !cmd.hasNumber, "a list view for a row");
            break;
        case Action::Menu:
            require(kind == ControlKind::MenuItem, "a menu item");
            break;
        default:
            break;
    }
    if (cmd.action == Action::Mouse && cmd.number != 1 && cmd.number != 2 && cmd.number != 4)
        throw ScriptStop{"mouse buttons are 1 (left), 2 (right) and 4 (middle)"};
}

bool Interpreter::reachable(const Target& target) const {
    if (ended_ || !target.live || !target.form->visible) return false;
    // While a modal window is open, nothing else can be reached.
    if (!modals_.empty() && target.form != modals_.back()) return false;
    return target.control->reachable();
}

void Interpreter::perform(const Command& cmd) {
    Target target = actionTarget(cmd);
    checkKind(cmd, target);
    if (!reachable(target)) {
        transcript_.line("ignored " + cmd.word + " " + cmd.target);
        return;
    }
    runHandler([&] { act(cmd, *target.control); });
}

void Interpreter::act(const Command& cmd, Control& control) {
    switch (cmd.action) {
        case Action::Click:
        case Action::Menu:
            control.userClick();
            break;
        case Action::Type:
            static_cast<TextControl&>(control).text = cmd.values.at(0);
            break;
        case Action::Key:
            static_cast<TextControl&>(control).keyPress(cmd.number);
            break;
        case Action::Choose: {
            const std::string& entry = cmd.values.at(0);
            if (control.kind() == ControlKind::ComboBox) {
                if (!static_cast<ComboBox&>(control).choose(entry))
                    throw ScriptStop{cmd.target + " has no entry " + quote(entry)};
            } else if (control.kind() == ControlKind::DriveList) {
                static_cast<DriveList&>(control).setDrive(entry);
            } else {
                auto& folders = static_cast<DirList&>(control);
                // An entry of the list is a sub-folder's name; a path may be given whole.
                const std::string folder =
                    !entry.empty() && entry[0] != '/' ? joinPath(folders.path(), entry) : entry;
                if (!folderExists(folder)) throw ScriptStop{"no folder " + quote(entry)};
                folders.setPath(folder);
            }
            break;
        }
        case Action::Select:
        case Action::DblClick: {
            if (control.kind() == ControlKind::ListView) {
                auto& list = static_cast<ListView&>(control);
                if (cmd.number < 1 || cmd.number > list.count())
                    throw outOfRange(cmd.target, "row", cmd.number, list.count());
                list.selected = cmd.number;
            }
            if (cmd.action == Action::DblClick) control.userDblClick();
            break;
        }
        case Action::Node: {
            auto& tree = static_cast<TreeView&>(control);
            if (cmd.number < 1 || cmd.number > tree.count())
                throw outOfRange(cmd.target, "node", cmd.number, tree.count());
            tree.userNodeClick(cmd.number);
            break;
        }
        case Action::Mouse:
            static_cast<TreeView&>(control).userMouseDown(cmd.number);
            break;
        default:
            break;
    }
}

}  // namespace varmio::replay
