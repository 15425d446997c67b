#include "main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QUrl>
#include <iostream>

#include "access_keys.h"
#include "accessibility.h"
#include "form_binder.h"
#include "pictures.h"
#include "settings/settings.h"
#include "ui_main_window.h"
#include "wizard/page/file_list.h"
#include "wizard/page_heading.h"
#include "wizard/wizard_window.h"
#include "working_indicator.h"

namespace varmio {

namespace {

constexpr QSize kWindowSize(800, 620);
constexpr int kLogoSize = 120;

std::vector<std::string> localFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
    return files;
}

// A label in a column of check boxes starts its text where theirs start.
void indentLikeCheckBox(QLabel& label, const QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    label.setIndent(box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).left());
}

// A label beside a multi-line box stands on the line of the box's first text line, not on its
// frame.
void alignWithFirstLine(QLabel& label, const QPlainTextEdit& box) {
    const int top = box.frameWidth() + qRound(box.document()->documentMargin());
    label.setContentsMargins(0, top, 0, 0);
}

}  // namespace

MainWindow::MainWindow(WizardWindow& model, QtWindowHost& host)
    : model_(model),
      host_(host),
      ui_(std::make_unique<Ui::WizardMainWindow>()),
      runner_(host.makeRunner()) {
    initPictures();
    ui_->setupUi(this);
    // The heading stands out from the page's own texts by weight and size rather than by a
    // fixed point size, so it follows the desktop's font.
    QFont headingFont = ui_->qt_page_heading->font();
    headingFont.setBold(true);
    if (headingFont.pointSizeF() > 0) headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    ui_->qt_page_heading->setFont(headingFont);
    ui_->qt_page_heading->setContentsMargins(0, 0, 0, 7);
    ui_->qt_page_heading_rule->setFixedHeight(1);
    applyPalette();
    // Enter presses Next (see keyPressEvent); the default button shows it.
    ui_->cmd_next->setDefault(true);
    for (QLabel* logo : ui_->qt_logo_column->findChildren<QLabel*>()) {
        const QString name = logo->objectName();
        const int index = name.mid(name.lastIndexOf(QLatin1Char('_')) + 1).toInt();
        logo->setPixmap(logoPixmap(index, kLogoSize, devicePixelRatioF()));
    }

    const Ui::Html2Page& html2 = ui_->frm_html_2->ui;
    indentLikeCheckBox(*html2.lab_html_file, *html2.chk_HTMLhead);
    const Ui::MailPage& mail = ui_->frm_mail->ui;
    alignWithFirstLine(*mail.lab_mail_mess, *mail.txt_MAIL_MESS);
    alignWithFirstLine(*mail.lab_sndfls_mail, *mail.txt_sndfls_mail);
    // The folder list's first row sits as deep as the first line of the report beside it.
    alignWithFirstLine(*ui_->frm_unc->ui.lab_4, *ui_->frm_unc->ui.txt_sndfls_unc);

    // Files can be dropped onto the file list.
    QTreeWidget* files = ui_->frm_files->ui.lvwFiles;
    files->setAcceptDrops(true);
    files->viewport()->setAcceptDrops(true);
    files->viewport()->installEventFilter(this);

    binder_ = std::make_unique<FormBinder>(
        model_, *this, [this](const std::function<void()>& action) { return runner_.run(action); });
    for (const std::string& id : binder_->unbound())
        std::cerr << "varmio-wizard: the window has no widget for " << id << "\n";

    pairLabels(*this);
    host_.add(*this);
    working_ = std::make_unique<WorkingIndicator>(model_.frm_Working, host_);
    // Input for this window is dropped while one of its handlers runs (see eventFilter).
    qApp->installEventFilter(this);

    syncFromModel();
    // Resizable: the layouts decide the least size, which grows with the font and the texts.
    QSize size = kWindowSize.expandedTo(minimumSizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size());
        resize(size);
        move(screen->availableGeometry().center() - rect().center());
    } else {
        resize(size);
    }
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    working_.reset();
    host_.remove(*this);
}

Form& MainWindow::form() const {
    return model_;
}

void MainWindow::syncFromModel() {
    binder_->sync();
    showPageHeading();
    giveKeysAndNames();
    // A new window title means a new language (or the first one): Qt's texts follow it.
    if (model_.caption != title_) {
        title_ = model_.caption;
        translations_.follow(model_.settings().ReadSetting("CONFIG", "Language"));
    }
}

// Every button and check box of the page in view has an access key of its own, apart from the
// window's buttons and menu.
void MainWindow::giveKeysAndNames() {
    QSet<QChar> windowKeys;
    for (const QAction* action : menuBar()->actions())
        if (const QChar key = accessKeyOf(action->text()); !key.isNull()) windowKeys << key;
    giveAccessKeys(ui_->qt_button_row->findChildren<QAbstractButton*>(), windowKeys);
    for (QWidget* page :
         ui_->qt_page_area->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!page->objectName().startsWith(QLatin1String("frm_"))) continue;
        QSet<QChar> keys = windowKeys;
        giveAccessKeys(page->findChildren<QAbstractButton*>(), keys);
    }
    nameInputs(*this, ui_->qt_page_heading->text());
}

// Colours come from the palette, so a dark theme keeps every text legible.
void MainWindow::applyPalette() {
    const QPalette colours = palette();
    const QColor window = colours.color(QPalette::Window);
    const QColor accent = colours.color(QPalette::Highlight);
    // A light tint of the accent over the window colour, in light and dark themes alike.
    auto tint = [&](double share) {
        return QColor::fromRgbF(window.redF() + (accent.redF() - window.redF()) * share,
                                window.greenF() + (accent.greenF() - window.greenF()) * share,
                                window.blueF() + (accent.blueF() - window.blueF()) * share);
    };
    const QString rule = colours.color(QPalette::Mid).name();
    ui_->qt_logo_column->setStyleSheet(
        QStringLiteral("QFrame#qt_logo_column { background: qlineargradient(x1:0, y1:0, x2:0, "
                       "y2:1, stop:0 %1, stop:1 %2); border-right: 1px solid %3; }")
            .arg(tint(0.06).name(), tint(0.22).name(), rule));
    // The heading half text colour, half accent: as legible as the text in any theme.
    const QColor text = colours.color(QPalette::WindowText);
    const QColor heading =
        QColor::fromRgbF((text.redF() + accent.redF()) / 2, (text.greenF() + accent.greenF()) / 2,
                         (text.blueF() + accent.blueF()) / 2);
    QPalette headingPalette = ui_->qt_page_heading->palette();
    headingPalette.setColor(QPalette::WindowText, heading);
    ui_->qt_page_heading->setPalette(headingPalette);
    ui_->qt_page_heading_rule->setStyleSheet(
        QStringLiteral("QFrame#qt_page_heading_rule { border: none; background: %1; }").arg(rule));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && !applyingPalette_) {
        applyingPalette_ = true;
        applyPalette();
        applyingPalette_ = false;
    }
    QMainWindow::changeEvent(event);
}

// A main window has no default button of its own: Enter that no control took presses the
// focused button, else Next; in a text field Enter is the field's (the window code reads it).
void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = focusWidget();
    const bool inText = qobject_cast<QComboBox*>(focus) || qobject_cast<QLineEdit*>(focus) ||
                        qobject_cast<QPlainTextEdit*>(focus);
    auto* button = qobject_cast<QPushButton*>(focus);
    if (!button) button = ui_->cmd_next;
    if (enter && event->modifiers() == Qt::NoModifier && !inText && button->isVisible() &&
        button->isEnabled()) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// Texts are looked up only when another page shows; a language switch reaches the heading with
// the next page change.
void MainWindow::showPageHeading() {
    const std::string key = pageHeadingKey(model_);
    if (key == headingKey_) return;
    headingKey_ = key;
    const QString heading = QString::fromStdString(pageHeading(model_));
    ui_->qt_page_heading->setText(heading);
    ui_->qt_page_heading->setVisible(!heading.isEmpty());
    ui_->qt_page_heading_rule->setVisible(!heading.isEmpty());
}

void MainWindow::addDroppedFiles(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    act([this, paths] {
        for (const std::string& path : paths)
            addChosenFile(model_, path);
    });
}

bool MainWindow::isUserInputForMe(QObject* watched, QEvent* event) const {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ContextMenu:
            break;
        default:
            return false;
    }
    auto* target = qobject_cast<QWidget*>(watched);
    return target && target->window() == this;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (busy() && isUserInputForMe(watched, event)) return true;

    if (watched == ui_->frm_files->ui.lvwFiles->viewport()) {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* drag = static_cast<QDropEvent*>(event);
                if (localFiles(drag->mimeData()).empty()) return false;
                drag->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                auto* drop = static_cast<QDropEvent*>(event);
                const std::vector<std::string> files = localFiles(drop->mimeData());
                if (files.empty()) return false;
                drop->acceptProposedAction();
                addDroppedFiles(files);
                return true;
            }
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window other than with the close button saves nothing; while a handler runs the
// window stays.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (busy() && !host_.ended()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!host_.ended()) host_.endProgram();
}

}  // namespace varmio
