// The desktop window started for real in each mode, with its own settings store and folders,
// driven through its widgets.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/environment.h"
#include "form_binder.h"
#include "link_dialog_window.h"
#include "mail_account_window.h"
#include "main_window.h"
#include "page/link_dialog.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "qt_dialogs.h"
#include "qt_window_host.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/startup.h"
#include "wizard/version.h"
#include "wizard/wizard_window.h"

using namespace varmio;

namespace {

// Answers every question with Yes and cancels every other dialog, writing down what was shown.
class AnsweringDialogs : public Dialogs {
  public:
    void message(std::string_view text, std::string_view) override { messages.emplace_back(text); }
    bool question(std::string_view text, std::string_view) override {
        messages.emplace_back(text);
        return true;
    }
    std::optional<std::string> input(std::string_view, std::string_view,
                                     std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    void beep() override {}
    std::vector<std::string> messages;
};

// Opens nothing: a test never starts a browser or the registry installer.
class QuietShell : public Shell {
  public:
    void open(std::string_view file, std::string_view, std::string_view, int) override {
        opened.emplace_back(file);
    }
    void startHidden(std::string_view program) override { opened.emplace_back(program); }
    std::vector<std::string> opened;
};

std::string readFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

// One run of the wizard: a fresh settings store with the installation data, its own program
// and Windows folders, and the real window, started with `commandLine`.
class Wizard {
  public:
    explicit Wizard(const std::string& commandLine,
                    const std::function<void(Wizard&)>& prepare = {}) {
        home = root.filePath(QStringLiteral("home"));
        windir = root.filePath(QStringLiteral("windows"));
        files = root.filePath(QStringLiteral("files"));
        for (const QString& folder : {home + "/tmp", windir, files})
            QDir().mkpath(folder);
        qputenv("VARMIO_HIVE", root.filePath(QStringLiteral("registry.db")).toUtf8());
        qputenv("VARMIO_HOME", home.toUtf8());
        qputenv("WINDIR", windir.toUtf8());
        if (prepare) prepare(*this);

        env = openWizardEnvironment(false);
        const auto installation = parseRegFile(readFile(VARMIO_SOURCE_DIR "/data/install.reg"));
        if (installation) applyRegFile(*env.hive, *installation);
        env.settings->WriteSetting("CONFIG", "MG_VERSION", versionStamp());

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
        writeFile(path, "content of " + name.toStdString());
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
    AnsweringDialogs dialogs;
    QuietShell shell;
    LcgRandom random{7};
    QtWindowHost host;
    std::unique_ptr<WizardWindow> model;
    std::unique_ptr<MainWindow> window;
    int endRequests = 0;
};

const char* const kPages[] = {"frm_files",  "frm_pdf",      "frm_img",    "frm_html_1",
                              "frm_html_2", "frm_html_3",   "frm_html_4", "frm_html_5",
                              "frm_html_6", "frm_export_1", "frm_ftp",    "frm_mail",
                              "frm_unc",    "frm_intra"};

QStringList shownPages(const Wizard& wizard) {
    QStringList shown;
    for (const char* page : kPages)
        if (wizard.shows(page)) shown << QString::fromLatin1(page);
    return shown;
}

QStringList headers(QTreeWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->columnCount(); ++i)
        texts << list->headerItem()->text(i);
    return texts;
}

// Every control of `form` has its widget, held by the widget of the control's frame, and every
// widget named like a control belongs to one.
void checkNamesMatch(const Form& form, const FormBinder& binder, QWidget& root) {
    const std::string unbound = binder.unbound().empty() ? "" : binder.unbound().front();
    QVERIFY2(binder.unbound().empty(), unbound.c_str());
    QSet<QString> ids;
    for (const Control* control : form.controls()) {
        ids << FormBinder::objectNameOf(*control);
        auto* widget = qobject_cast<QWidget*>(binder.objectFor(*control));
        if (!widget || !control->container()) continue;
        auto* frame = qobject_cast<QWidget*>(binder.objectFor(*control->container()));
        QVERIFY2(frame && frame->isAncestorOf(widget), control->id().c_str());
    }
    QList<QObject*> named;
    for (QWidget* widget : root.findChildren<QWidget*>())
        named << widget;
    for (QAction* action : root.findChildren<QAction*>())
        named << action;
    for (const QObject* object : named) {
        const QString name = object->objectName();
        if (FormBinder::isHelperName(name)) continue;
        QVERIFY2(ids.contains(name),
                 qPrintable(name + " is no control of " + QString::fromStdString(form.name())));
    }
}

// Runs `work` once the link dialog is open, from inside its modal loop.
void whenLinkDialogOpens(const std::function<void(QDialog&)>& work) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, work] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(top);
            if (dialog && dialog->objectName() == "frm_Input_Link" && dialog->isVisible()) {
                poll->stop();
                poll->deleteLater();
                work(*dialog);
                return;
            }
        }
    });
    poll->start(10);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void manualModeShowsTheFilesPage() {
        Wizard wizard("");
        QCOMPARE(shownPages(wizard), QStringList{"frm_files"});
        QVERIFY(wizard.shows("frm_files_2"));
        QVERIFY(!wizard.shows("chk_add_files"));
        QCOMPARE(wizard.window->windowTitle(), QString("Varmio Publish Wizard"));
        QCOMPARE(headers(wizard.fileList()).mid(0, 2), (QStringList{"Folder", "File Name"}));
        QCOMPARE(wizard.widget<QPushButton>("cmd_next")->text(), QString("Next"));
        QVERIFY(!wizard.widget("cmd_next")->isEnabled());
        QCOMPARE(wizard.widget<QPushButton>("cmd_close")->text(), QString("Close"));
        QCOMPARE(wizard.widget<QLabel>("lab_manual_file")->text(),
                 QString("Type a file path and press Enter to add it:"));
        int logos = 0;
        for (int i = 0; i <= 8; ++i)
            logos += wizard.shows(qPrintable(QString("img_wizard_logo_%1").arg(i)));
        QCOMPARE(logos, 1);
    }

    void intranetManagerHidesBackAndNext() {
        Wizard wizard("/intraman");
        QCOMPARE(shownPages(wizard), QStringList{"frm_intra"});
        QVERIFY(!wizard.shows("cmd_prev"));
        QVERIFY(!wizard.shows("cmd_next"));
        QCOMPARE(wizard.widget<QPushButton>("cmd_close")->text(), QString("Finish"));
        QVERIFY(wizard.widget<QTreeWidget>("tvwIntra")->topLevelItemCount() >= 1);
    }

    void driverModeOpensOnTheDeliveryPage() {
        Wizard wizard("drv", [](Wizard& w) {
            writeFile(w.files + "/tmp.pdf", "%PDF-1.4\n");
            writeFile(w.windir + "/varmiocv.ini",
                      "[settings]\r\npdf=1\r\npat=" + w.files.toStdString() + "\r\n");
        });
        QCOMPARE(shownPages(wizard), QStringList{"frm_export_1"});
        QCOMPARE(wizard.widget<QPushButton>("cmd_ftp")->text(), QString("FTP Upload"));
        QCOMPARE(wizard.widget<QLabel>("lab_unc_note")->text(),
                 QString("Copy the files and the page into a local or network folder."));
        QVERIFY(!wizard.widget("cmd_next")->isEnabled());
        QTreeWidget* list = wizard.fileList();
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), wizard.files + "/");
        QCOMPARE(list->topLevelItem(0)->text(1), QString("tmp.pdf"));
    }

    void fileListModeListsTheFiles() {
        Wizard wizard("/data/report.pdf page.png");
        QCOMPARE(shownPages(wizard), QStringList{"frm_files"});
        QTreeWidget* list = wizard.fileList();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("/data/"));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("report.pdf"));
        QCOMPARE(list->topLevelItem(1)->text(0), QString());
        QCOMPARE(list->topLevelItem(1)->text(1), QString("page.png"));
    }

    void everyControlHasItsWidget() {
        Wizard wizard("");
        checkNamesMatch(*wizard.model, wizard.window->binder(), *wizard.window);

        LinkDialog link(*wizard.env.settings);
        LinkDialogWindow dialog(link, wizard.host, wizard.window.get());
        checkNamesMatch(link, dialog.binder(), dialog);

        MailAccountDialog account(*wizard.model);
        MailAccountWindow accountWindow(account, wizard.host, wizard.window.get());
        checkNamesMatch(account, accountWindow.binder(), accountWindow);
    }

    void captionsKeepTheirAmpersands() {
        Wizard wizard("");
        wizard.model->cmd_addfile.caption = "Add & Send";
        wizard.model->lab_manual_file.caption = "Texts & Links";
        wizard.host.syncAll();
        QCOMPARE(wizard.widget<QPushButton>("cmd_addfile")->text(), QString("Add && Send"));
        QCOMPARE(wizard.widget<QLabel>("lab_manual_file")->text(), QString("Texts & Links"));
        QCOMPARE(wizard.window->findChild<QAction*>("mnu_language")->text(), QString("&Language"));
    }

    void listsWithoutHeadersShowTheirRows() {
        Wizard wizard("");
        wizard.model->ftp_tree.add("reports/").icon = 1;
        wizard.model->ftp_tree.add("archive/").icon = 1;
        wizard.model->ftp_tree.selected = 2;
        wizard.host.syncAll();
        auto* folders = wizard.widget<QTreeWidget>("ftp_tree");
        QVERIFY(folders->isHeaderHidden());
        QCOMPARE(folders->topLevelItemCount(), 2);
        QCOMPARE(folders->topLevelItem(0)->text(0), QString("reports/"));
        QVERIFY(!folders->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(folders->currentItem(), folders->topLevelItem(1));
        wizard.model->ftp_tree.clear();
        wizard.host.syncAll();
        QCOMPARE(folders->topLevelItemCount(), 0);
    }

    void droppedFileJoinsTheList() {
        Wizard wizard("");
        QVERIFY(!wizard.widget("cmd_next")->isEnabled());
        const QString path = wizard.dropFile("photo.png");
        QCOMPARE(wizard.model->lvwFiles.count(), 1);
        QCOMPARE(wizard.fileList()->topLevelItemCount(), 1);
        QCOMPARE(wizard.fileList()->topLevelItem(0)->text(1), QString("photo.png"));
        QVERIFY(wizard.widget("cmd_next")->isEnabled());
        // It is also offered for the picture link, as a file chosen with the add button.
        QCOMPARE(wizard.widget<QComboBox>("cmb_link_img")->itemText(0), path);
    }

    void enterInAnEditableComboReachesTheWindowCode() {
        Wizard wizard("");
        auto* combo = wizard.widget<QComboBox>("cmb_manual_file");
        QTest::keyClicks(combo, wizard.files + "/typed.pdf");
        QCOMPARE(QString::fromStdString(wizard.model->cmb_manual_file.text),
                 wizard.files + "/typed.pdf");
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(wizard.model->lvwFiles.count(), 1);
        QCOMPARE(wizard.fileList()->topLevelItem(0)->text(1), QString("typed.pdf"));
        // The window code emptied the box and remembers the path in the list.
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(combo->findText(wizard.files + "/typed.pdf") >= 0);
    }

    void nextFollowsTheQuickPathToTheDeliveryPage() {
        Wizard wizard("");
        wizard.dropFile("report.pdf");
        wizard.click("cmd_next");
        QCOMPARE(shownPages(wizard), QStringList{"frm_html_1"});
        QCOMPARE(wizard.widget<QLabel>("qt_page_heading")->text(), QString("Web page"));
        QVERIFY(wizard.widget("cmd_prev")->isEnabled());

        // A click toggles a check box once: the widget shows what the model holds.
        auto* page = wizard.widget<QCheckBox>("chk_cmpHTML");
        const bool before = page->isChecked();
        wizard.click("chk_cmpHTML");
        QCOMPARE(page->isChecked(), !before);
        QCOMPARE(wizard.model->chk_cmpHTML.ticked(), !before);
        wizard.tick("chk_cmpHTML", true);
        wizard.tick("chk_mkHTMLtgs", false);
        QVERIFY(!wizard.model->chk_mkHTMLtgs.ticked());

        wizard.click("cmd_next");
        QCOMPARE(shownPages(wizard), QStringList{"frm_html_6"});
        const QString pageFile = QString::fromStdString(wizard.model->cmb_htmlfile.text);
        QVERIFY(pageFile.endsWith(".htm"));
        wizard.click("cmd_next");
        QCOMPARE(shownPages(wizard), QStringList{"frm_export_1"});
        QVERIFY(QFile::exists(wizard.home + "/tmp/" + pageFile));
        QVERIFY(!QApplication::overrideCursor());
    }

    void linkDialogAddsALink() {
        Wizard wizard("");
        wizard.dropFile("report.pdf");
        wizard.click("cmd_next");
        wizard.tick("chk_cmpHTML", true);
        wizard.tick("chk_mkHTMLtgs", true);
        for (int page = 0; page < 3; ++page)
            wizard.click("cmd_next");
        QCOMPARE(shownPages(wizard), QStringList{"frm_html_4"});
        wizard.tick("chk_add_links", true);
        QVERIFY(wizard.shows("frm_top_flnks"));

        whenLinkDialogOpens([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Link"));
            auto* name = dialog.findChild<QComboBox*>("txt_LNK_NAME");
            auto* url = dialog.findChild<QComboBox*>("txt_LNK_URL");
            QTest::keyClicks(name, "Project home");
            QCOMPARE(url->itemText(0), QString("http://"));
            url->lineEdit()->clear();
            QTest::keyClicks(url, "http://www.example.com/");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmd_ok"), Qt::LeftButton);
        });
        wizard.click("cmd_add_link_0");
        auto* links = wizard.widget<QTreeWidget>("lvwLinks_top");
        QCOMPARE(links->topLevelItemCount(), 1);
        QCOMPARE(links->topLevelItem(0)->text(0), QString("Project home"));
        QCOMPARE(links->topLevelItem(0)->text(1), QString("http://www.example.com/"));
        QVERIFY(!links->topLevelItem(0)->icon(0).isNull());
        QCOMPARE(headers(links), (QStringList{"Link Text", "Address"}));

        // Closing the dialog with the window's button is a Cancel.
        whenLinkDialogOpens([](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QComboBox*>("txt_LNK_NAME"), "Dropped");
            dialog.close();
        });
        wizard.click("cmd_add_link_0");
        QCOMPARE(links->topLevelItemCount(), 1);
        QVERIFY(!wizard.model->frm_Input_Link);
    }

    void workingIndicatorShowsWhileAHandlerWorks() {
        Wizard wizard("");
        QWidget* indicator = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frm_Working") indicator = top;
        QVERIFY(indicator);
        QString shownText;
        bool shownDuring = false;
        wizard.model->cmd_help.onClick = [&] {
            WizardWindow::Working busy(*wizard.model, "PROSESSING");
            shownDuring = indicator->isVisible();
            shownText = indicator->findChild<QLabel*>("Label1")->text();
        };
        wizard.click("cmd_help");
        QVERIFY(shownDuring);
        QCOMPARE(shownText, QString("Working, please wait..."));
        QVERIFY(!indicator->isVisible());
    }

    void inputDuringAHandlerIsDropped() {
        Wizard wizard("");
        int runs = 0;
        wizard.model->cmd_help.onClick = [&] {
            ++runs;
            wizard.model->mousePointer = 11;
            wizard.host.doEvents();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QTest::mouseClick(wizard.widget("cmd_help"), Qt::LeftButton);
            wizard.model->mousePointer = 0;
        };
        wizard.click("cmd_help");
        QCOMPARE(runs, 1);
        QVERIFY(!QApplication::overrideCursor());
    }

    void closeButtonEndsTheProgram() {
        Wizard wizard("");
        wizard.click("cmd_close");
        QCOMPARE(wizard.endRequests, 1);
        QVERIFY(wizard.model->ended());
        QVERIFY(!wizard.window->isVisible());
        QVERIFY(wizard.host.ended());
    }

    void fileFiltersAreWrittenTheQtWay() {
        QCOMPARE(QtDialogs::toQtFilters("HTM Files|*.htm|HTML Files|*.html"),
                 (QStringList{"HTM Files (*.htm)", "HTML Files (*.html)"}));
        QCOMPARE(QtDialogs::toQtFilters("All Files (*.*)|*.*|JPEG (*.jpg, *.jpeg)|*.jpg;*.jpeg"),
                 (QStringList{"All Files (*.*)", "JPEG (*.jpg *.jpeg)"}));
        QCOMPARE(QtDialogs::toQtFilters(""), QStringList{});
    }

    void multiLineTextsKeepTheirLineEnds() {
        QCOMPARE(toWidgetText("one\r\ntwo", true), QString("one\ntwo"));
        QCOMPARE(toModelText("one\ntwo", true), std::string("one\r\ntwo"));
        QCOMPARE(toModelText("one\ntwo", false), std::string("one\ntwo"));
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
