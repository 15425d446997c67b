#include "screenshot.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStyleFactory>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QWidget>
#include <iostream>

#include "form_binder.h"
#include "main_window.h"
#include "qt_window_host.h"
#include "ui/working_window.h"
#include "window_texts.h"
#include "wizard/form.h"

namespace varmio {

namespace {

constexpr int kStepMs = 120;
constexpr int kGiveUpMs = 10000;
constexpr int kTitleHeight = 24;

// What a desktop's dark theme hands Qt, for pictures of the window under one.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x2B, 0x2D, 0x30), base(0x1E, 0x1F, 0x22), text(0xE6, 0xE6, 0xE6);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0x7E, 0xC4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x7F, 0xB6, 0xF0));
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0x8A, 0x8D, 0x91));
    dark.setColor(QPalette::Light, QColor(0x45, 0x48, 0x4C));
    dark.setColor(QPalette::Midlight, QColor(0x3A, 0x3C, 0x40));
    dark.setColor(QPalette::Mid, QColor(0x55, 0x58, 0x5D));
    dark.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1B));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

}  // namespace

ScreenshotHook::ScreenshotHook(QtWindowHost& host, MainWindow& main, QString file,
                               const QString& actions)
    : QObject(&main), host_(host), main_(main), file_(std::move(file)) {
    for (const QString& action : actions.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!action.trimmed().isEmpty()) actions_ << action.trimmed();
}

ScreenshotHook* ScreenshotHook::fromEnvironment(QtWindowHost& host, MainWindow& main) {
    const QString file = qEnvironmentVariable("VARMIO_SCREENSHOT");
    if (file.isEmpty()) return nullptr;
    return new ScreenshotHook(host, main, file, qEnvironmentVariable("VARMIO_SCREENSHOT_ACTIONS"));
}

void ScreenshotHook::start() {
    if (qEnvironmentVariable("VARMIO_SCREENSHOT_PALETTE") == QLatin1String("dark")) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    QTimer::singleShot(400, this, [this] { step(); });
}

void ScreenshotHook::step() {
    if (host_.ended()) return;
    if (actions_.isEmpty()) {
        QTimer::singleShot(300, this, [this] { takePicture(); });
        return;
    }
    if (!perform(actions_.front())) {
        // The window the action is meant for is busy or not open yet.
        waited_ += kStepMs;
        if (waited_ > kGiveUpMs)
            return fail(QStringLiteral("gave up waiting for: ") + actions_.front());
        QTimer::singleShot(kStepMs, this, [this] { step(); });
        return;
    }
    waited_ = 0;
}

// Carries out one action; false when its window cannot take it yet.
bool ScreenshotHook::perform(const QString& action) {
    const QString verb = action.section(QLatin1Char(' '), 0, 0);
    QString id = action.section(QLatin1Char(' '), 1, 1);
    const QString argument = action.section(QLatin1Char(' '), 2);

    BoundWindow* window = &main_;
    if (id.contains(QLatin1Char('.'))) {
        const std::string formName = id.section(QLatin1Char('.'), 0, 0).toStdString();
        id = id.section(QLatin1Char('.'), 1);
        window = nullptr;
        for (BoundWindow* open : host_.windows())
            if (open->form().name() == formName && open->widget().isVisible()) window = open;
        if (!window) return false;
    } else if (main_.busy()) {
        return false;
    }
    Control* control = window->form().find(id.toStdString());
    if (!control) {
        fail(QStringLiteral("no control ") + id);
        return true;
    }
    QObject* object =
        window == &main_ ? main_.binder().objectFor(*control)
                         : window->widget().findChild<QObject*>(FormBinder::objectNameOf(*control));
    actions_.pop_front();
    // Only what a user can reach: shown and enabled.
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && verb != QLatin1String("type") && (!widget->isVisible() || !widget->isEnabled())) {
        fail(QStringLiteral("cannot reach ") + id);
        return true;
    }
    // The next step is due even when this action opens a modal window and waits in it.
    QTimer::singleShot(kStepMs, this, [this] { step(); });

    if (verb == QLatin1String("click")) {
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            button->click();
        else if (auto* menu = qobject_cast<QAction*>(object))
            menu->trigger();
        else
            fail(QStringLiteral("cannot click ") + id);
    } else if (verb == QLatin1String("type")) {
        if (auto* text = dynamic_cast<TextControl*>(control)) {
            text->text = argument.toStdString();
            host_.syncAll();
        } else {
            fail(QStringLiteral("cannot type into ") + id);
        }
    } else if (verb == QLatin1String("key")) {
        auto* widget = qobject_cast<QWidget*>(object);
        const int code = argument.toInt();
        const int key = code == kEnterKey ? Qt::Key_Return : code;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                        code == kEnterKey ? QStringLiteral("\r") : QString(QChar(code)));
        if (widget)
            QCoreApplication::sendEvent(widget, &press);
        else
            fail(QStringLiteral("cannot press a key in ") + id);
    } else if (verb == QLatin1String("select")) {
        auto* list = qobject_cast<QTreeWidget*>(object);
        const int row = argument.toInt();
        if (list && row >= 1 && row <= list->topLevelItemCount())
            list->setCurrentItem(list->topLevelItem(row - 1));
        else
            fail(QStringLiteral("cannot select in ") + id);
    } else if (verb == QLatin1String("node")) {
        // A left press on the node at that position, as a user clicks it.
        auto* tree = qobject_cast<QTreeWidget*>(object);
        QTreeWidgetItem* node = nullptr;
        // The iterator cannot start without a tree: a control of another kind has no nodes.
        if (tree)
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if ((*it)->data(0, Qt::UserRole).toInt() == argument.toInt()) node = *it;
        if (node) {
            const QPointF at = tree->visualItemRect(node).center();
            QMouseEvent press(QEvent::MouseButtonPress, at, tree->viewport()->mapToGlobal(at),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(tree->viewport(), &press);
            QMouseEvent release(QEvent::MouseButtonRelease, at, tree->viewport()->mapToGlobal(at),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(tree->viewport(), &release);
        } else {
            fail(QStringLiteral("no node ") + argument + QStringLiteral(" in ") + id);
        }
    } else {
        fail(QStringLiteral("unknown action ") + action);
    }
    return true;
}

// The main window with every other open window of ours drawn where it stands over it.
void ScreenshotHook::takePicture() {
    if (host_.ended()) return;
    // Work still running shows a passing state; wait for it unless it waits for a dialog.
    // A transfer in progress is pictured as it goes.
    bool dialogOpen = false;
    for (BoundWindow* window : host_.windows()) {
        dialogOpen = dialogOpen || (window->widget().isModal() && window->widget().isVisible());
        if (auto* working = dynamic_cast<WorkingWindow*>(&window->form()))
            dialogOpen = dialogOpen || (working->visible && working->progress.visible);
    }
    if (main_.busy() && !dialogOpen) {
        waited_ += kStepMs;
        if (waited_ > kGiveUpMs) return fail(QStringLiteral("the window stayed busy"));
        QTimer::singleShot(kStepMs, this, [this] { takePicture(); });
        return;
    }
    host_.syncAll();
    if (file_.endsWith(QLatin1String(".txt"))) return writeTexts();
    QPixmap picture = main_.grab();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPoint origin = main_.mapToGlobal(QPoint(0, 0));
    for (BoundWindow* window : host_.windows()) {
        QWidget& widget = window->widget();
        if (window == &main_ || !widget.isVisible()) continue;
        // Without a window manager there is no title bar; a dialog gets a plain one drawn.
        const int titleHeight = widget.isModal() ? kTitleHeight : 0;
        const QRect body(widget.mapToGlobal(QPoint(0, 0)) - origin, widget.size());
        const QRect outline = body.adjusted(0, -titleHeight, 0, 0);
        for (int i = 6; i >= 1; --i)
            painter.fillRect(outline.translated(i, i), QColor(0, 0, 0, 14));
        painter.drawPixmap(body.topLeft(), widget.grab());
        if (titleHeight > 0) {
            const QRect title(outline.topLeft(), QSize(outline.width(), titleHeight));
            painter.fillRect(title, QColor(0x2F, 0x5F, 0x8A));
            painter.setPen(Qt::white);
            QFont bold = widget.font();
            bold.setBold(true);
            painter.setFont(bold);
            painter.drawText(title.adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft,
                             widget.windowTitle());
        }
        painter.setPen(QColor(0x5A, 0x6B, 0x7D));
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    painter.end();
    if (!picture.save(file_, "PNG")) return fail(QStringLiteral("cannot write ") + file_);
    std::cerr << "varmio-wizard: screenshot saved to " << file_.toStdString() << "\n";
    host_.endProgram();
}

void ScreenshotHook::writeTexts() {
    QString texts;
    for (BoundWindow* window : host_.windows())
        if (window->widget().isVisible()) texts += shownTexts(window->widget());
    QFile out(file_);
    if (!out.open(QIODevice::WriteOnly) || out.write(texts.toUtf8()) < 0)
        return fail(QStringLiteral("cannot write ") + file_);
    out.close();
    host_.endProgram();
}

void ScreenshotHook::fail(const QString& why) {
    std::cerr << "varmio-wizard: screenshot: " << why.toStdString() << "\n";
    host_.setEndHandler([] { QCoreApplication::exit(2); });
    host_.endProgram();
}

}  // namespace varmio
