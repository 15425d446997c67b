#pragma once

#include <QCheckBox>
#include <QDir>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>
#include <functional>
#include <memory>

#include "app/environment.h"
#include "main_window.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "qt_window_host.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "support/wizard/harness.h"
#include "wizard/startup.h"
#include "wizard/version.h"
#include "wizard/wizard_window.h"

namespace varmio::test {

// One run of the wizard: a fresh settings store with the installation data, its own program
// and Windows folders, and the real window, started with `commandLine`.
class Wizard {
  public:
    explicit Wizard(const std::string& commandLine, const std::string& language = "English") {
        home = root.filePath(QStringLiteral("home"));
        windir = root.filePath(QStringLiteral("windows"));
        files = root.filePath(QStringLiteral("files"));
        for (const QString& folder : {home + "/tmp", windir, files})
            QDir().mkpath(folder);
        qputenv("VARMIO_HIVE", root.filePath(QStringLiteral("registry.db")).toUtf8());
        qputenv("VARMIO_HOME", home.toUtf8());
        qputenv("WINDIR", windir.toUtf8());

        env = openWizardEnvironment(false);
        const auto installation = parseRegFile(readFile(VARMIO_SOURCE_DIR "/data/install.reg"));
        if (installation) applyRegFile(*env.hive, *installation);
        env.settings->WriteSetting("CONFIG", "MG_VERSION", versionStamp());
        env.settings->WriteSetting("CONFIG", "Language", language);

        host.setEndHandler([this] { ++endRequests; });
        model = std::make_unique<WizardWindow>(
            WizardServices{*env.settings, dialogs, shell, *env.system, random, host},
            WizardStartInfo{commandLine, env.programFolder});
        window = std::make_unique<MainWindow>(*model, host);
        try {
            Form_Load(*model);
        } catch (const ProgramEnd&) {
            ++endRequests;
        }
        host.syncAll();
        window->show();
    }

    template <class T = QWidget>
    T* widget(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) qWarning("no widget %s", name);
        return found;
    }
    bool shows(const char* name) const { return widget(name)->isVisibleTo(window.get()); }
    // The page frames: what shows at one time is one of them with the window's own buttons.
    QList<QWidget*> pages() const {
        QList<QWidget*> frames;
        for (QWidget* child :
             widget("qt_page_area")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->objectName().startsWith("frm_")) frames << child;
        return frames;
    }
    QTreeWidget* fileList() const { return widget<QTreeWidget>("lvwFiles"); }

    void click(const char* name) {
        auto* button = widget<QAbstractButton>(name);
        QVERIFY2(button->isVisible() && button->isEnabled(), name);
        // A check box takes clicks on its box and its text only.
        const QPoint where = qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2)
                                                              : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
    }

    // Drops a file of our own onto the file list, as from a file manager.
    QString dropFile(const QString& name) {
        const QString path = files + "/" + name;
        writeFile(path.toStdString(), "content of " + name.toStdString());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* target = fileList()->viewport();
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        return path;
    }

    // Sets a check box by clicking it when it shows the other state.
    void tick(const char* name, bool ticked) {
        if (widget<QCheckBox>(name)->isChecked() != ticked) click(name);
    }

    QTemporaryDir root;
    QString home, windir, files;
    WizardEnvironment env;
    FakeDialogs dialogs;  // none may show: an unanswered one fails the test
    FakeShell shell;
    LcgRandom random{7};
    QtWindowHost host;
    std::unique_ptr<WizardWindow> model;
    std::unique_ptr<MainWindow> window;
    int endRequests = 0;
};

}  // namespace varmio::test
