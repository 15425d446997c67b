#include "qt_window_host.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <QWidget>
#include <iostream>
#include <memory>

#include "action_runner.h"
#include "link_dialog_window.h"
#include "mail_account_window.h"
#include "platform/errors.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/page/link_dialog.h"

namespace varmio {

void BoundWindow::closeForEnd() {
    widget().hide();
}

QtWindowHost::QtWindowHost() : onEnd_([] { QCoreApplication::exit(0); }) {}

QtWindowHost::~QtWindowHost() {
    showPointer(0);
}

void QtWindowHost::add(BoundWindow& window) {
    windows_.push_back(&window);
}

void QtWindowHost::remove(BoundWindow& window) {
    std::erase(windows_, &window);
}

ActionRunner QtWindowHost::makeRunner() {
    return ActionRunner([this] { syncAll(); }, [this] { endProgram(); });
}

void QtWindowHost::syncAll() {
    if (ended_) return;
    lastSync_ = std::chrono::steady_clock::now();
    for (BoundWindow* window : std::vector<BoundWindow*>(windows_))
        window->syncFromModel();
    if (BoundWindow* main = mainWindow()) showPointer(main->form().mousePointer);
}

void QtWindowHost::showPointer(int pointer) {
    const bool hourglass = pointer == kHourglassPointer;
    if (hourglass == hourglass_) return;
    hourglass_ = hourglass;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

namespace {

// The desktop window of a dialog form; nullptr for a form that has none.
std::unique_ptr<QDialog> dialogWindow(Form& dialog, QtWindowHost& host, QWidget* owner) {
    if (auto* link = dynamic_cast<LinkDialog*>(&dialog))
        return std::make_unique<LinkDialogWindow>(*link, host, owner);
    if (auto* account = dynamic_cast<MailAccountDialog*>(&dialog))
        return std::make_unique<MailAccountWindow>(*account, host, owner);
    return nullptr;
}

}  // namespace

void QtWindowHost::runModal(Form& dialog) {
    if (ended_) throw ProgramEnd{};
    QWidget* owner = mainWindow() ? &mainWindow()->widget() : nullptr;
    std::unique_ptr<QDialog> window = dialogWindow(dialog, *this, owner);
    if (!window) {
        std::cerr << "varmio-wizard: no desktop window for " << dialog.name() << "\n";
        dialog.visible = false;
        return;
    }
    {
        QEventLoop loop;
        QObject::connect(window.get(), &QDialog::finished, &loop, &QEventLoop::quit);
        syncAll();
        window->show();
        if (dialog.visible && !ended_) loop.exec();
        dialog.visible = false;
        window.reset();
    }
    if (ended_) throw ProgramEnd{};
    syncAll();
}

void QtWindowHost::doEvents() {
    if (ended_) throw ProgramEnd{};
    if (std::chrono::steady_clock::now() - lastSync_ >= kWorkFrame)
        syncAll();
    else if (BoundWindow* main = mainWindow())
        showPointer(main->form().mousePointer);
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    if (ended_) throw ProgramEnd{};
}

void QtWindowHost::repaint(Form& form) {
    for (BoundWindow* window : windows_) {
        if (&window->form() != &form) continue;
        window->syncFromModel();
        // A window shown just now must be mapped before it can paint.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        window->widget().repaint();
    }
}

int QtWindowHost::screenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : WindowHost::screenWidth();
}

int QtWindowHost::screenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().height() : WindowHost::screenHeight();
}

void QtWindowHost::endProgram() {
    if (ended_) return;
    ended_ = true;
    showPointer(0);
    for (BoundWindow* window : std::vector<BoundWindow*>(windows_))
        window->closeForEnd();
    if (onEnd_) onEnd_();
}

}  // namespace varmio
