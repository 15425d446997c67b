// Keyboard and screen readers on the real window, in both shipped languages, and the programs'
// answers to --help and --version.

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>

#include "access_keys.h"
#include "form_binder.h"
#include "qt_wizard.h"

using namespace varmio;
using namespace varmio::test;

namespace {

// Each page frame with the window's own buttons and menu.
QStringList keyClashes(Wizard& wizard) {
    QStringList problems;
    QList<QAbstractButton*> window =
        wizard.widget("qt_button_row")->findChildren<QAbstractButton*>();
    for (QWidget* page : wizard.pages()) {
        QMap<QChar, QString> owners{{QChar('l'), "mnu_language"}};
        for (QAbstractButton* button : window + page->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            const QChar key = accessKeyOf(button->text());
            const QString where = page->objectName() + ": " + button->objectName();
            if (key.isNull())
                problems << where + " has no access key";
            else if (owners.contains(key))
                problems << where + " shares " + key + " with " + owners[key];
            else
                owners[key] = button->objectName();
        }
    }
    return problems;
}

// Controls a screen reader would read without a name.
QStringList unnamed(const Form& form, const FormBinder& binder) {
    QStringList problems;
    for (const Control* control : form.controls()) {
        if (control->kind() == ControlKind::Frame || control->kind() == ControlKind::Picture ||
            control->kind() == ControlKind::MenuItem)
            continue;
        auto* widget = qobject_cast<QWidget*>(binder.objectFor(*control));
        // Captions that their page sets when it opens are not there yet.
        const bool captioned = control->kind() == ControlKind::Label ||
                               control->kind() == ControlKind::Button ||
                               control->kind() == ControlKind::CheckBox;
        if (!widget || (captioned && control->caption.empty())) continue;
        const QLabel* label = nullptr;
        for (const QLabel* candidate : widget->window()->findChildren<QLabel*>())
            if (candidate->buddy() == widget) label = candidate;
        if (label && label->text().isEmpty()) continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        if (!reader || reader->text(QAccessible::Name).trimmed().isEmpty())
            problems << QString::fromStdString(control->id());
    }
    return problems;
}

// Focus chain steps within each page that go back up the page, or left on the same row.
QStringList tabOrderBackSteps(Wizard& wizard, int& steps) {
    QStringList problems;
    for (QWidget* page : wizard.pages()) {
        QList<QWidget*> chain;
        for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
            if (page->isAncestorOf(w) && w->focusPolicy() & Qt::TabFocus && !w->focusProxy())
                chain << w;
        for (int i = 1; i < chain.size(); ++i, ++steps) {
            const QRect a(chain[i - 1]->mapTo(page, QPoint()), chain[i - 1]->size());
            const QRect b(chain[i]->mapTo(page, QPoint()), chain[i]->size());
            const bool sameRow = b.top() < a.bottom() && a.top() < b.bottom();
            if (sameRow ? b.left() < a.left() : b.top() < a.top())
                problems << page->objectName() + ": " + chain[i - 1]->objectName() + " -> " +
                                chain[i]->objectName();
        }
    }
    return problems;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void captionsMarkAccessKeys() {
        Wizard wizard("");
        wizard.model->cmd_addfile.caption = "Fish && &Chips";
        wizard.model->lab_manual_file.caption = "Texts && &Links";
        wizard.host.syncAll();
        QCOMPARE(wizard.widget<QPushButton>("cmd_addfile")->text(), QString("Fish && &Chips"));
        // The label names the file box: its key moves there, and the reader reads it.
        auto* label = wizard.widget<QLabel>("lab_manual_file");
        QCOMPARE(label->buddy(), wizard.widget("cmb_manual_file"));
        QCOMPARE(label->text(), QString("Texts && &Links"));
        QCOMPARE(QAccessible::queryAccessibleInterface(label->buddy())->text(QAccessible::Name),
                 QString("Texts & Links"));
        // A label naming nothing shows its "&" as written, without marks.
        wizard.model->lab_file_info.caption = "Files && links";
        wizard.host.syncAll();
        QCOMPARE(wizard.widget<QLabel>("lab_file_info")->text(), QString("Files & links"));
        QCOMPARE(withoutAccessKeys("&Save && &quit"), QString("Save & quit"));
        QCOMPARE(accessKeyOf("Fish && &Chips"), QChar('c'));
        QCOMPARE(accessKeyOf("A && B"), QChar());
    }

    void everyButtonHasAnAccessKeyOfItsOwn_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("English") << "English"
                                 << "Publish Wizard";
        QTest::newRow("Deutsch") << "Deutsch"
                                 << "Veröffentlichungsassistent";
    }

    void everyButtonHasAnAccessKeyOfItsOwn() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        for (const char* mode : {"", "/intraman"}) {
            Wizard wizard(mode, language.toStdString());
            QVERIFY2(wizard.window->windowTitle().contains(title), qPrintable(language));
            const QStringList clashes = keyClashes(wizard);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join("; ")));
            // Qt's own buttons speak the window's language (qt6-translations-l10n).
            const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
            QCOMPARE(yes, QString(language == "Deutsch" ? "&Ja" : "&Yes"));
            const QStringList nameless = unnamed(*wizard.model, wizard.window->binder());
            QVERIFY2(nameless.isEmpty(), qPrintable("no accessible name: " + nameless.join(", ")));
        }
    }

    void tabOrderFollowsThePage() {
        Wizard wizard("");
        int steps = 0;
        const QStringList back = tabOrderBackSteps(wizard, steps);
        QVERIFY2(back.isEmpty(), qPrintable(back.join("; ")));
        QVERIFY(steps > 40);
    }

    void enterPressesNext() {
        Wizard wizard("");
        auto* next = wizard.widget<QPushButton>("cmd_next");
        QVERIFY(next->isDefault());
        wizard.dropFile("report.pdf");
        wizard.fileList()->setFocus();
        QTest::keyClick(wizard.fileList(), Qt::Key_Return);
        QVERIFY(wizard.shows("frm_html_1"));
        // (Enter in a text field: window_test's editable combo.) The window is resizable.
        QVERIFY(wizard.window->minimumSize() != wizard.window->maximumSize());
        const QSize least = wizard.window->minimumSizeHint();
        QVERIFY(least.width() <= wizard.window->width() &&
                least.height() <= wizard.window->height());
    }

    void programsAnswerHelpAndVersion() {
        QTemporaryDir root;
        const QString hive = root.filePath("registry.db");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VARMIO_HIVE", hive);
        env.insert("VARMIO_HOME", root.filePath("home"));
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(display);  // a window could not open: --help must not need one
        auto run = [&](const QString& program, const QStringList& args) {
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(VARMIO_BINARY_DIR "/bin/" + program, args);
            process.waitForFinished(20000);
            return std::make_pair(process.exitCode(), process.readAllStandardOutput());
        };
        const QString version = QStringLiteral(VARMIO_VERSION_TEXT);
        for (const QString program :
             {"varmio-wizard", "reginst", "varmio-reg", "varmio-replay", "varmpdf",
              "varmio-printer-backend", "varmio-printer-agent"}) {
            const auto help = run(program, {"--help"});
            QVERIFY2(help.first == 0 && help.second.contains(program.toUtf8()),
                     qPrintable(program));
            const auto shown = run(program, {"--version"});
            QVERIFY2(shown.first == 0 && shown.second.contains(version.toUtf8()),
                     qPrintable(program + ": " + shown.second));
            env.insert("QT_QPA_PLATFORM", "offscreen");
            QVERIFY2(run(program, {"--no-such-option"}).first == 2, qPrintable(program));
            env.remove("QT_QPA_PLATFORM");
        }
        QVERIFY2(!QFile::exists(hive), "a program opened the store");
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
