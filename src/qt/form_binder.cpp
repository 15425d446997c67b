#include "form_binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QWidget>
#include <exception>

#include "pictures.h"
#include "qt_text.h"
#include "wizard/form.h"

namespace varmio {

namespace {

// The character code a key press hands to the window code; 0 for keys it never sees.
int keyAsciiOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kEnterKey;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return 0;
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char16_t first = text.at(0).unicode();
    return first >= 0x20 || first == '\t' ? static_cast<int>(first) : 0;
}

// Refills a combo box's list only when it differs from `items`, so a list in use stays put.
void showItems(QComboBox& box, const std::vector<std::string>& items) {
    QStringList wanted;
    for (const auto& item : items)
        wanted << qs(item);
    QStringList shown;
    for (int i = 0; i < box.count(); ++i)
        shown << box.itemText(i);
    if (shown == wanted) return;
    box.clear();
    box.addItems(wanted);
}

// The selection of a list or tree view as the model counts it: 0 for none.
int rowOf(QTreeWidget& tree, QTreeWidgetItem* item) {
    return item ? tree.indexOfTopLevelItem(item) + 1 : 0;
}

}  // namespace

QString toWidgetText(std::string_view modelText, bool multiLine) {
    QString text = qs(modelText);
    if (multiLine) text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string toModelText(const QString& widgetText, bool multiLine) {
    if (!multiLine) return widgetText.toStdString();
    QString text = widgetText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

// One control and its widget. Bindings are QObjects so that connections and event filters end
// with them.
class FormBinder::Binding : public QObject {
  public:
    Binding(Control& control, QWidget* widget, const Act& act)
        : control_(control), widget_(widget), act_(act) {}

    virtual void sync() { syncState(); }
    virtual QObject* object() const { return widget_; }

  protected:
    void syncState() {
        if (widget_->isHidden() == control_.visible) widget_->setVisible(control_.visible);
        if (widget_->testAttribute(Qt::WA_ForceDisabled) == control_.enabled)
            widget_->setEnabled(control_.enabled);
    }

    // Runs a user action; when it was dropped the widget may show what the user did, so it is
    // set back to the model.
    void userAction(const std::function<void()>& action) {
        if (!act_(action)) sync();
    }

    Control& control_;
    QWidget* widget_;
    const Act& act_;
};

namespace {

using Binding = FormBinder::Binding;
using Act = FormBinder::Act;

class FrameBinding : public Binding {
  public:
    using Binding::Binding;
    void sync() override {
        syncState();
        if (auto* box = qobject_cast<QGroupBox*>(widget_)) {
            const QString title = FormBinder::escapeMnemonic(control_.caption);
            if (box->title() != title) box->setTitle(title);
        }
    }
};

class LabelBinding : public Binding {
  public:
    LabelBinding(Control& control, QLabel* label, const Act& act)
        : Binding(control, label, act), label_(label) {}
    void sync() override {
        syncState();
        const QString text = qs(control_.caption);
        if (label_->text() != text) label_->setText(text);
    }

  private:
    QLabel* label_;
};

class ButtonBinding : public Binding {
  public:
    ButtonBinding(Control& control, QAbstractButton* button, const Act& act)
        : Binding(control, button, act), button_(button) {
        QObject::connect(button, &QAbstractButton::clicked, this,
                         [this] { userAction([this] { control_.userClick(); }); });
    }
    void sync() override {
        syncState();
        const QString text = FormBinder::escapeMnemonic(control_.caption);
        if (button_->text() != text) button_->setText(text);
    }

  protected:
    QAbstractButton* button_;
};

// Qt toggles a check box before `clicked` arrives; the model toggles its own value in the
// handler, and the widget is then set from the model, so the two never drift apart.
class CheckBoxBinding : public ButtonBinding {
  public:
    CheckBoxBinding(CheckBox& box, QCheckBox* widget, const Act& act)
        : ButtonBinding(box, widget, act), box_(box), check_(widget) {
        widget->setTristate(false);
    }
    void sync() override {
        ButtonBinding::sync();
        const Qt::CheckState state = box_.value() == 1   ? Qt::Checked
                                     : box_.value() == 2 ? Qt::PartiallyChecked
                                                         : Qt::Unchecked;
        if (check_->checkState() != state) {
            QSignalBlocker quiet(check_);
            check_->setCheckState(state);
        }
    }

  private:
    CheckBox& box_;
    QCheckBox* check_;
};

// Key presses go to the window code before the widget takes them. Enter is taken away from the
// widget when the control has a key handler, so that an editable combo box neither adds the
// text to its list nor treats Enter as a choice.
class TextBinding : public Binding {
  public:
    TextBinding(TextControl& control, QWidget* widget, const Act& act, bool multiLine)
        : Binding(control, widget, act), text_(control), multiLine_(multiLine) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !text_.onKeyPress)
            return Binding::eventFilter(watched, event);
        const int code = keyAsciiOf(*static_cast<QKeyEvent*>(event));
        if (code == 0) return false;
        userAction([this, code] { text_.keyPress(code); });
        return code == kEnterKey && !multiLine_;
    }

  protected:
    TextControl& text_;
    bool multiLine_;
};

class LineEditBinding : public TextBinding {
  public:
    LineEditBinding(TextBox& box, QLineEdit* edit, const Act& act)
        : TextBinding(box, edit, act, false), edit_(edit) {
        edit->installEventFilter(this);
        edit->setEchoMode(box.password ? QLineEdit::Password : QLineEdit::Normal);
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this](const QString& text) { text_.text = toModelText(text, false); });
    }
    void sync() override {
        syncState();
        const QString text = toWidgetText(text_.text, false);
        if (edit_->text() != text) edit_->setText(text);
    }

  private:
    QLineEdit* edit_;
};

class PlainTextBinding : public TextBinding {
  public:
    PlainTextBinding(TextBox& box, QPlainTextEdit* edit, const Act& act)
        : TextBinding(box, edit, act, true), edit_(edit) {
        edit->installEventFilter(this);
        QObject::connect(edit, &QPlainTextEdit::textChanged, this,
                         [this] { text_.text = toModelText(edit_->toPlainText(), true); });
    }
    void sync() override {
        syncState();
        const QString text = toWidgetText(text_.text, true);
        if (edit_->toPlainText() != text) {
            QSignalBlocker quiet(edit_);
            edit_->setPlainText(text);
        }
    }

  private:
    QPlainTextEdit* edit_;
};

class ComboBinding : public TextBinding {
  public:
    ComboBinding(ComboBox& combo, QComboBox* widget, const Act& act)
        : TextBinding(combo, widget, act, false), combo_(combo), box_(widget) {
        // The window code keeps its own lists: the box neither adds typed texts nor completes
        // them, so what it shows is what the model holds.
        widget->setInsertPolicy(QComboBox::NoInsert);
        if (widget->isEditable()) widget->setCompleter(nullptr);
        widget->installEventFilter(this);
        if (QLineEdit* edit = widget->lineEdit()) {
            edit->installEventFilter(this);
            QObject::connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
                text_.text = toModelText(text, false);
            });
        }
        QObject::connect(widget, &QComboBox::activated, this, [this](int index) {
            const std::string entry = box_->itemText(index).toStdString();
            userAction([this, entry] { combo_.choose(entry); });
        });
    }
    void sync() override {
        syncState();
        QSignalBlocker quiet(box_);
        showItems(*box_, combo_.items);
        const QString text = qs(combo_.text);
        if (box_->isEditable()) {
            if (box_->currentText() != text) box_->setEditText(text);
        } else {
            box_->setCurrentIndex(box_->findText(text, Qt::MatchExactly));
        }
    }

  private:
    ComboBox& combo_;
    QComboBox* box_;
};

// A report-style list: columns, rows with their image, the selection.
class ListBinding : public Binding {
  public:
    ListBinding(ListView& list, QTreeWidget* tree, const Act& act)
        : Binding(list, tree, act), list_(list), tree_(tree) {
        tree->setRootIsDecorated(false);
        tree->setUniformRowHeights(true);
        tree->setSelectionMode(QAbstractItemView::SingleSelection);
        tree->header()->setStretchLastSection(false);
        tree->viewport()->installEventFilter(this);
        QObject::connect(tree, &QTreeWidget::currentItemChanged, this,
                         [this](QTreeWidgetItem* item) { list_.selected = rowOf(*tree_, item); });
        QObject::connect(tree, &QTreeWidget::itemDoubleClicked, this,
                         [this](QTreeWidgetItem* item) {
                             const int row = rowOf(*tree_, item);
                             userAction([this, row] {
                                 list_.selected = row;
                                 list_.userDblClick();
                             });
                         });
    }

    void sync() override {
        syncState();
        QSignalBlocker quiet(tree_);
        syncColumns();
        syncRows();
        QTreeWidgetItem* current =
            list_.selected >= 1 && list_.selected <= tree_->topLevelItemCount()
                ? tree_->topLevelItem(list_.selected - 1)
                : nullptr;
        if (tree_->currentItem() != current) {
            tree_->setCurrentItem(current);
            if (!current) tree_->clearSelection();
        }
    }

    // The model's column widths are proportions; the columns fill the list whatever its size.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) fitColumns();
        return Binding::eventFilter(watched, event);
    }

  private:
    // A list without column headers shows its rows' texts in one headerless column.
    void syncColumns() {
        QStringList headers;
        for (const auto& column : list_.columns)
            headers << qs(column.text);
        const bool headerless = headers.isEmpty();
        if (headerless) headers << QString();
        if (tree_->isHeaderHidden() != headerless) {
            tree_->setHeaderHidden(headerless);
            tree_->header()->setStretchLastSection(headerless);
        }
        if (tree_->columnCount() == headers.size() && shownHeaders() == headers) return;
        tree_->setColumnCount(static_cast<int>(headers.size()));
        tree_->setHeaderLabels(headers);
        fitColumns();
    }

    QStringList shownHeaders() const {
        QStringList headers;
        if (QTreeWidgetItem* header = tree_->headerItem())
            for (int i = 0; i < header->columnCount(); ++i)
                headers << header->text(i);
        return headers;
    }

    void fitColumns() {
        int total = 0;
        for (const auto& column : list_.columns)
            total += column.width > 0 ? column.width : 0;
        const int available = tree_->viewport()->width();
        if (total <= 0 || available <= 0) return;
        for (size_t i = 0; i < list_.columns.size(); ++i)
            tree_->setColumnWidth(static_cast<int>(i), list_.columns[i].width * available / total);
    }

    static QStringList columnsOf(const ListItem& row, int count) {
        QStringList texts{qs(row.text)};
        for (int i = 1; i < count; ++i)
            texts << qs(row.subItem(i));
        return texts;
    }

    void syncRows() {
        const int count = std::max(1, tree_->columnCount());
        bool same = tree_->topLevelItemCount() == list_.count();
        for (int i = 0; same && i < list_.count(); ++i) {
            const QTreeWidgetItem* item = tree_->topLevelItem(i);
            const ListItem& row = list_.rows[static_cast<size_t>(i)];
            const QStringList texts = columnsOf(row, count);
            for (int c = 0; same && c < count; ++c)
                same = item->text(c) == texts.at(c);
            same = same && item->data(0, Qt::UserRole).toInt() == row.icon;
        }
        if (same) return;
        tree_->clear();
        QList<QTreeWidgetItem*> items;
        for (const ListItem& row : list_.rows) {
            auto* item = new QTreeWidgetItem(columnsOf(row, count));
            item->setData(0, Qt::UserRole, row.icon);
            if (row.icon != 0) item->setIcon(0, listIcon(row.icon));
            items << item;
        }
        tree_->addTopLevelItems(items);
    }

    ListView& list_;
    QTreeWidget* tree_;
};

// The intranet tree: nodes keep the model's order and nesting. A left press on a node is the
// node click, followed by the press itself; a right press leaves the selection alone.
class TreeBinding : public Binding {
  public:
    TreeBinding(TreeView& tree, QTreeWidget* widget, const Act& act)
        : Binding(tree, widget, act), tree_(tree), view_(widget) {
        widget->setHeaderHidden(true);
        widget->setColumnCount(1);
        widget->setSelectionMode(QAbstractItemView::SingleSelection);
        widget->viewport()->installEventFilter(this);
        QObject::connect(widget, &QTreeWidget::itemExpanded, this,
                         [this](QTreeWidgetItem* item) { setExpanded(item, true); });
        QObject::connect(widget, &QTreeWidget::itemCollapsed, this,
                         [this](QTreeWidgetItem* item) { setExpanded(item, false); });
        QObject::connect(widget, &QTreeWidget::currentItemChanged, this,
                         [this](QTreeWidgetItem* item) {
                             const int position = positionOf(item);
                             if (position > 0) tree_.select(&tree_.node(position));
                         });
    }

    void sync() override {
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
        QTreeWidgetItem* current =
            selected > 0 ? items_[static_cast<size_t>(selected - 1)] : nullptr;
        if (view_->currentItem() != current) {
            view_->setCurrentItem(current);
            if (!current) view_->clearSelection();
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress) return Binding::eventFilter(watched, event);
        const auto* press = static_cast<QMouseEvent*>(event);
        const int button = press->button() == Qt::LeftButton     ? 1
                           : press->button() == Qt::RightButton  ? 2
                           : press->button() == Qt::MiddleButton ? 4
                                                                 : 0;
        if (button == 0) return false;
        const int position =
            button == 1 ? positionOf(view_->itemAt(press->position().toPoint())) : 0;
        userAction([this, button, position] {
            if (position > 0) tree_.userNodeClick(position);
            tree_.userMouseDown(button);
        });
        return button != 1;
    }

  private:
    // 0 for a top-level node.
    int parentPosition(const TreeNode& node) const {
        return node.parent ? tree_.position(*node.parent) : 0;
    }

    // What a rebuild depends on: keys and parents in order.
    std::vector<std::pair<std::string, int>> shape() const {
        std::vector<std::pair<std::string, int>> out;
        for (int p = 1; p <= tree_.count(); ++p) {
            const TreeNode& node = tree_.node(p);
            out.emplace_back(node.key, parentPosition(node));
        }
        return out;
    }

    void rebuild() {
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

    int positionOf(QTreeWidgetItem* item) const {
        if (!item) return 0;
        const int position = item->data(0, Qt::UserRole).toInt();
        return position >= 1 && position <= tree_.count() ? position : 0;
    }

    void setExpanded(QTreeWidgetItem* item, bool expanded) {
        if (int position = positionOf(item)) tree_.node(position).expanded = expanded;
    }

    TreeView& tree_;
    QTreeWidget* view_;
    std::vector<QTreeWidgetItem*> items_;
    std::vector<std::pair<std::string, int>> shape_;
};

class DriveBinding : public Binding {
  public:
    DriveBinding(DriveList& drives, QComboBox* widget, const Act& act)
        : Binding(drives, widget, act), drives_(drives), box_(widget) {
        widget->setEditable(false);
        QObject::connect(widget, &QComboBox::activated, this, [this](int index) {
            const std::string drive = box_->itemText(index).toStdString();
            userAction([this, drive] {
                try {
                    drives_.setDrive(drive);
                } catch (const std::exception&) {
                    // An unreadable drive leaves the list where it was.
                }
            });
        });
    }
    void sync() override {
        syncState();
        QSignalBlocker quiet(box_);
        showItems(*box_, drives_.drives());
        box_->setCurrentIndex(box_->findText(qs(drives_.drive())));
    }

  private:
    DriveList& drives_;
    QComboBox* box_;
};

// The folder list: the current folder's ancestors, opened, then its sub-folders. A double-click
// (or Enter) moves into the entry, as in a classic folder list.
class DirBinding : public Binding {
  public:
    DirBinding(DirList& dirs, QListWidget* widget, const Act& act)
        : Binding(dirs, widget, act), dirs_(dirs), listWidget_(widget) {
        QObject::connect(widget, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            const std::string path = item->data(Qt::UserRole).toString().toStdString();
            userAction([this, path] {
                try {
                    dirs_.setPath(path);
                } catch (const std::exception&) {
                    // A folder that went away leaves the list where it was.
                }
            });
        });
    }
    void sync() override {
        syncState();
        if (dirs_.path() == shownPath_) return;
        QSignalBlocker quiet(listWidget_);
        listWidget_->clear();
        shownPath_ = dirs_.path();
        const QString path = qs(shownPath_);
        QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QString walked = QStringLiteral("/");
        addEntry(QStringLiteral("/"), walked, 0, true);
        for (int i = 0; i < parts.size(); ++i) {
            walked += (i ? QStringLiteral("/") : QString()) + parts[i];
            addEntry(parts[i], walked, i + 1, true);
        }
        listWidget_->setCurrentRow(listWidget_->count() - 1);
        std::vector<std::string> subFolders;
        try {
            subFolders = dirs_.subFolders();
        } catch (const std::exception&) {
            // An unreadable folder shows no sub-folders.
        }
        const QString base = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
        for (const auto& name : subFolders)
            addEntry(qs(name), base + qs(name), static_cast<int>(parts.size()) + 1, false);
    }

  private:
    void addEntry(const QString& text, const QString& path, int depth, bool open) {
        auto* item =
            new QListWidgetItem(folderIcon(open), QString(depth * 2, QLatin1Char(' ')) + text);
        item->setData(Qt::UserRole, path);
        listWidget_->addItem(item);
    }

    DirList& dirs_;
    QListWidget* listWidget_;
    std::string shownPath_ = "\n";  // nothing shown yet
};

class PictureBinding : public Binding {
  public:
    PictureBinding(Control& picture, QLabel* label, const Act& act) : Binding(picture, label, act) {
        label->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            userAction([this] { control_.userDblClick(); });
            return true;
        }
        return Binding::eventFilter(watched, event);
    }
};

class MenuBinding : public Binding {
  public:
    MenuBinding(Control& item, QAction* action, const Act& act)
        : Binding(item, nullptr, act), action_(action) {
        QObject::connect(action, &QAction::triggered, this,
                         [this] { userAction([this] { control_.userClick(); }); });
    }
    QObject* object() const override { return action_; }
    // A menu caption keeps its "&": it marks the menu's access key.
    void sync() override {
        if (action_->isVisible() != control_.visible) action_->setVisible(control_.visible);
        if (action_->isEnabled() != control_.enabled) action_->setEnabled(control_.enabled);
        const QString text = qs(control_.caption);
        if (action_->text() != text) action_->setText(text);
    }

  private:
    QAction* action_;
};

std::unique_ptr<Binding> makeBinding(Control& control, QObject* object, const Act& act) {
    auto* widget = qobject_cast<QWidget*>(object);
    switch (control.kind()) {
        case ControlKind::Frame:
            if (widget) return std::make_unique<FrameBinding>(control, widget, act);
            break;
        case ControlKind::Label:
            if (auto* label = qobject_cast<QLabel*>(object))
                return std::make_unique<LabelBinding>(control, label, act);
            break;
        case ControlKind::Button:
            if (auto* button = qobject_cast<QAbstractButton*>(object))
                return std::make_unique<ButtonBinding>(control, button, act);
            break;
        case ControlKind::CheckBox:
            if (auto* box = qobject_cast<QCheckBox*>(object))
                return std::make_unique<CheckBoxBinding>(static_cast<CheckBox&>(control), box, act);
            break;
        case ControlKind::TextBox:
            if (auto* edit = qobject_cast<QLineEdit*>(object))
                return std::make_unique<LineEditBinding>(static_cast<TextBox&>(control), edit, act);
            if (auto* edit = qobject_cast<QPlainTextEdit*>(object))
                return std::make_unique<PlainTextBinding>(static_cast<TextBox&>(control), edit,
                                                          act);
            break;
        case ControlKind::ComboBox:
            if (auto* combo = qobject_cast<QComboBox*>(object))
                return std::make_unique<ComboBinding>(static_cast<ComboBox&>(control), combo, act);
            break;
        case ControlKind::ListView:
            if (auto* tree = qobject_cast<QTreeWidget*>(object))
                return std::make_unique<ListBinding>(static_cast<ListView&>(control), tree, act);
            break;
        case ControlKind::TreeView:
            if (auto* tree = qobject_cast<QTreeWidget*>(object))
                return std::make_unique<TreeBinding>(static_cast<TreeView&>(control), tree, act);
            break;
        case ControlKind::DriveList:
            if (auto* combo = qobject_cast<QComboBox*>(object))
                return std::make_unique<DriveBinding>(static_cast<DriveList&>(control), combo, act);
            break;
        case ControlKind::DirList:
            if (auto* list = qobject_cast<QListWidget*>(object))
                return std::make_unique<DirBinding>(static_cast<DirList&>(control), list, act);
            break;
        case ControlKind::Picture:
            if (auto* label = qobject_cast<QLabel*>(object))
                return std::make_unique<PictureBinding>(control, label, act);
            break;
        case ControlKind::MenuItem:
            if (auto* action = qobject_cast<QAction*>(object))
                return std::make_unique<MenuBinding>(control, action, act);
            break;
    }
    return nullptr;
}

}  // namespace

FormBinder::FormBinder(Form& form, QWidget& root, Act act)
    : form_(form), root_(root), act_(std::move(act)) {
    for (Control* control : form.controls()) {
        const QString name = objectNameOf(*control);
        QObject* object = root.objectName() == name ? &root : root.findChild<QObject*>(name);
        std::unique_ptr<Binding> binding = object ? makeBinding(*control, object, act_) : nullptr;
        if (binding)
            bindings_.push_back(std::move(binding));
        else
            unbound_.push_back(control->id());
    }
}

FormBinder::~FormBinder() = default;

void FormBinder::sync() {
    const QString title = QString::fromStdString(form_.caption);
    if (root_.isWindow() && root_.windowTitle() != title) root_.setWindowTitle(title);
    for (auto& binding : bindings_)
        binding->sync();
}

QObject* FormBinder::objectFor(const Control& control) const {
    const QString name = objectNameOf(control);
    for (const auto& binding : bindings_)
        if (binding->object() && binding->object()->objectName() == name) return binding->object();
    return nullptr;
}

QString FormBinder::objectNameOf(const Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) name += QLatin1Char('_') + QString::number(control.index());
    return name;
}

bool FormBinder::isHelperName(const QString& objectName) {
    return objectName.isEmpty() || objectName.startsWith(QLatin1String("qt_"));
}

QString FormBinder::escapeMnemonic(std::string_view caption) {
    QString text = qs(caption);
    text.replace(QLatin1Char('&'), QLatin1String("&&"));
    return text;
}

}  // namespace varmio
