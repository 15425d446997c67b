#include "controls.h"

#include "form.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace varmio {

namespace {

// Rows and nodes count from 1.
void checkPosition(int position, int count) {
    if (position < 1 || position > count)
        throw RuntimeError(errnum::kIndexOutOfBounds, "Index out of bounds");
}

[[noreturn]] void invalidPropertyValue() {
    throw RuntimeError(errnum::kInvalidPropertyValue, "Invalid property value");
}

}  // namespace

Control::Control(Form& form, ControlKind kind, std::string name, Control* container, int index)
    : form_(form), kind_(kind), name_(std::move(name)), container_(container), index_(index) {
    form.add(*this);
}

std::string Control::id() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->visible) return false;
    return true;
}

bool Control::reachable() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->visible || !c->enabled) return false;
    return true;
}

void Control::userClick() {
    if (onClick) onClick();
}

void Control::userDblClick() {
    if (onDblClick) onDblClick();
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) invalidPropertyValue();
    if (value == value_) return;
    value_ = value;
    if (onClick) onClick();
}

void CheckBox::userClick() {
    setValue(value_ == 1 ? 0 : 1);
}

void TextControl::keyPress(int keyAscii) {
    if (onKeyPress) onKeyPress(keyAscii);
}

void ComboBox::fillFromList(std::string_view stored) {
    for (auto& entry : splitList(stored))
        addItem(std::move(entry));
}

bool ComboBox::choose(std::string_view entry) {
    for (const auto& item : items) {
        if (item == entry) {
            text = item;
            if (onClick) onClick();
            return true;
        }
    }
    return false;
}

std::string ListItem::subItem(int i) const {
    return i >= 1 && i <= static_cast<int>(subItems.size()) ? subItems[i - 1] : std::string();
}

void ListItem::setSubItem(int i, std::string value) {
    if (i < 1) invalidPropertyValue();
    if (static_cast<int>(subItems.size()) < i) subItems.resize(i);
    subItems[i - 1] = std::move(value);
}

ListItem& ListView::add(std::string text) {
    rows.push_back(ListItem{std::move(text), {}, 0});
    return rows.back();
}

void ListView::remove(int position) {
    checkPosition(position, count());
    rows.erase(rows.begin() + (position - 1));
    if (selected == position)
        selected = 0;
    else if (selected > position)
        --selected;
}

void ListView::clear() {
    rows.clear();
    selected = 0;
}

ListItem* ListView::selectedItem() {
    return selected >= 1 && selected <= count() ? &rows[selected - 1] : nullptr;
}

ListItem& ListView::row(int position) {
    checkPosition(position, count());
    return rows[position - 1];
}

void DriveList::setDrive(std::string_view drive) {
    std::string wanted = driveOf(drive);
    if (!folderExists(wanted)) throw RuntimeError(errnum::kDeviceUnavailable, "Device unavailable");
    if (wanted == drive_) return;
    drive_ = wanted;
    if (onChange) onChange();
}

std::vector<std::string> DriveList::drives() const {
    return {"/"};
}

std::string DriveList::driveOf(std::string_view) const {
    return "/";
}

void DirList::setPath(std::string_view path) {
    std::string wanted(path);
    while (wanted.size() > 1 && wanted.back() == kPathSeparator)
        wanted.pop_back();
    if (!folderExists(wanted)) throw RuntimeError(errnum::kPathNotFound, "Path not found");
    if (wanted == path_) return;
    path_ = wanted;
    if (onChange) onChange();
}

std::vector<std::string> DirList::subFolders() const {
    return listFolders(path_);
}

Control* Form::find(std::string_view id) const {
    for (Control* c : controls_)
        if (c->id() == id) return c;
    return nullptr;
}

void Form::centre(int screenWidth, int screenHeight) {
    top = screenHeight / 2 - height / 2;
    left = screenWidth / 2 - width / 2;
}

}  // namespace varmio
