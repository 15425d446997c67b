// The desktop window started for real in each mode, with its own settings store and folders,
// driven through its widgets.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include "access_keys.h"
#include "form_binder.h"
#include "link_dialog_window.h"
#include "mail_account_window.h"
#include "qt_dialogs.h"
#include "qt_wizard.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/page/link_dialog.h"

using namespace varmio;
using namespace varmio::test;

namespace {

QStringList shownPages(const Wizard& wizard) {
    QStringList shown;
    for (QWidget* page : wizard.pages())
        if (page->isVisibleTo(wizard.window.get())) shown << page->objectName();
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
    // The window shows the page and buttons start-up left visible (the start modes' own rules,
    // file lists included, are the startup replays'); the intranet manager hides Back and Next.
    void theStartPageAndItsButtonsShow() {
        Wizard manual("");
        QCOMPARE(shownPages(manual), QStringList{"frm_files"});
        QVERIFY(!manual.widget("cmd_next")->isEnabled());
        QVERIFY(manual.shows("frm_files_2") && !manual.shows("chk_add_files"));
        QCOMPARE(manual.window->windowTitle(), QString("Varmio Publish Wizard"));
        QCOMPARE(headers(manual.fileList()).mid(0, 2), (QStringList{"Folder", "File Name"}));
        int logos = 0;
        for (int i = 0; i <= 8; ++i)
            logos += manual.shows(qPrintable(QString("img_wizard_logo_%1").arg(i)));
        QCOMPARE(logos, 1);

        Wizard intranet("/intraman");
        QCOMPARE(shownPages(intranet), QStringList{"frm_intra"});
        QVERIFY(!intranet.shows("cmd_prev") && !intranet.shows("cmd_next"));
        QCOMPARE(withoutAccessKeys(intranet.widget<QPushButton>("cmd_close")->text()),
                 QString("Finish"));
        QVERIFY(intranet.widget<QTreeWidget>("tvwIntra")->topLevelItemCount() >= 1);
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
        combo->setFocus();
        QTest::keyClicks(combo, wizard.files + "/typed.pdf");
        QCOMPARE(QString::fromStdString(wizard.model->cmb_manual_file.text),
                 wizard.files + "/typed.pdf");
        QTest::keyClick(combo, Qt::Key_Return);  // the field's, not the Next button's
        QVERIFY(wizard.shows("frm_files"));
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
        wizard.click("cmd_next");  // the page it writes: the page replays'
        QCOMPARE(shownPages(wizard), QStringList{"frm_export_1"});
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

    // The tree widget follows the model change by change: every item shows the node at the
    // position it carries, below the item of that node's parent.
    void intranetTreeFollowsTheModel() {
        Wizard wizard("/intraman");
        TreeView& tree = wizard.model->tvwIntra;
        auto* widget = wizard.widget<QTreeWidget>("tvwIntra");
        auto showsModel = [&] {
            wizard.host.syncAll();
            int items = 0;
            for (QTreeWidgetItemIterator it(widget); *it; ++it, ++items) {
                const TreeNode& node = tree.node((*it)->data(0, Qt::UserRole).toInt());
                const int parent =
                    (*it)->parent() ? (*it)->parent()->data(0, Qt::UserRole).toInt() : 0;
                if ((*it)->text(0) != QString::fromStdString(node.text) ||
                    parent != (node.parent ? tree.position(*node.parent) : 0))
                    return false;
            }
            return items == tree.count();
        };
        tree.add("root", "a", "A", 1);
        tree.add("root", "b", "B", 1);
        tree.addChild(tree.add("a", "a1", "A1", 1), "", "Document", 4);
        QVERIFY(showsModel());
        widget->topLevelItem(0)->setData(0, Qt::UserRole + 9, 42);  // gone if rebuilt
        tree.add("b", "b1", "B1", 1);
        tree.remove(*tree.find("a"));
        tree.add("root", "c", "C", 1);
        tree.find("b")->text = "B renamed";
        QVERIFY(showsModel());
        QCOMPARE(widget->topLevelItem(0)->data(0, Qt::UserRole + 9).toInt(), 42);
        wizard.click("cmd_intra_refresh");
        QVERIFY(showsModel());
    }

    // While a handler works, the indicator and the wait cursor show and input is dropped.
    void whileAHandlerWorks() {
        Wizard wizard("");
        QWidget* indicator = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frm_Working") indicator = top;
        QVERIFY(indicator);
        QString shownText;
        bool shownDuring = false;
        int runs = 0;
        wizard.model->cmd_help.onClick = [&] {
            ++runs;
            WizardWindow::Working busy(*wizard.model, "PROSESSING");
            shownDuring = indicator->isVisible();
            shownText = indicator->findChild<QLabel*>("Label1")->text();
            wizard.model->mousePointer = 11;
            wizard.host.doEvents();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QTest::mouseClick(wizard.widget("cmd_help"), Qt::LeftButton);
            wizard.model->mousePointer = 0;
        };
        wizard.click("cmd_help");
        QCOMPARE(runs, 1);
        QVERIFY(shownDuring);
        QCOMPARE(shownText, QString("Working, please wait..."));
        QVERIFY(!indicator->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void closeButtonEndsTheProgram() {
        Wizard wizard("");
        wizard.click("cmd_close");
        QCOMPARE(wizard.endRequests, 1);
        QVERIFY(!wizard.window->isVisible());
        QVERIFY(wizard.host.ended());
    }

    void fileFiltersAreWrittenTheQtWay() {
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
