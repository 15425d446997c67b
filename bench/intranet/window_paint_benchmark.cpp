// The intranet manager on the desktop (offscreen): from start-up to the first paint of the
// window with the whole tree, against a bare Qt window whose tree widget is filled from a plain
// read of the same records. Aims: under 1 s for 1,000 projects and 4 s for 5,000. The counters
// are the wall time of these parts alone (closing the windows is left out) and the processor
// time of this process meanwhile.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTreeWidget>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "app/environment.h"
#include "intranet_maker.h"
#include "main_window.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "qt_window_host.h"
#include "settings/reg_file.h"
#include "settings/settings.h"
#include "support/temp_dir.h"
#include "timing.h"
#include "wizard/startup.h"
#include "wizard/version.h"
#include "wizard/wizard_window.h"

namespace varmio::bench {
namespace {

class NoDialogs : public Dialogs {
  public:
    void message(std::string_view, std::string_view) override {}
    bool question(std::string_view, std::string_view) override { return false; }
    std::optional<std::string> input(std::string_view, std::string_view,
                                     std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> openFile(const FileRequest&) override { return std::nullopt; }
    void beep() override {}
};

class NoShell : public Shell {
  public:
    void open(std::string_view, std::string_view, std::string_view, int) override {}
    void startHidden(std::string_view) override {}
};

// Waits for the first paint of a widget.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
    void wait() const {
        while (!painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            50);
    }
    bool painted = false;
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A store with the shipped settings and one intranet, in private folders kept for the run.
struct Installation {
    TempDir dir;
    std::string root = (dir.path() / "intra").string();
    WizardEnvironment env;

    explicit Installation(int projects) {
        const std::string base = dir.path().string();
        QDir().mkpath(QString::fromStdString(base + "/home/tmp"));
        QDir().mkpath(QString::fromStdString(base + "/windows"));
        ::setenv("VARMIO_HIVE", (base + "/registry.db").c_str(), 1);
        ::setenv("VARMIO_HOME", (base + "/home").c_str(), 1);
        ::setenv("WINDIR", (base + "/windows").c_str(), 1);
        makeIntranet(root, {projects, 10});
        env = openWizardEnvironment(false);
        if (auto shipped = parseRegFile(readAll(VARMIO_SOURCE_DIR "/data/install.reg")))
            applyRegFile(*env.hive, *shipped);
        env.settings->WriteSetting("CONFIG", "MG_VERSION", versionStamp());
        env.settings->WriteSetting("CONFIG", "MYINTRA", "Company\xFE" + root + "\xFE\xFF");
    }
    static Installation& of(int projects) {
        static std::map<int, std::unique_ptr<Installation>> made;
        auto& installation = made[projects];
        if (!installation) installation = std::make_unique<Installation>(projects);
        return *installation;
    }
};

// The wizard as main() starts it in intranet-manager mode; `clock` runs up to the tree's first
// paint.
int startWizard(Installation& at, Stopwatch& clock) {
    clock.start();
    NoDialogs dialogs;
    NoShell shell;
    LcgRandom random;
    QtWindowHost host;
    WizardWindow w(WizardServices{*at.env.settings, dialogs, shell, *at.env.system, random, host},
                   WizardStartInfo{"/intraman", at.env.programFolder});
    MainWindow window(w, host);
    Form_Load(w);
    host.syncAll();
    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tvwIntra"));
    PaintWatch watch(*tree->viewport());
    window.show();
    watch.wait();
    clock.stop();
    return w.tvwIntra.count();
}

// A window with just a tree widget, filled from the plain read, expanded at the root.
int startBareWindow(const std::string& root, Stopwatch& clock) {
    clock.start();
    const std::vector<PlainNode> nodes = readIntranetPlainly(root);
    QTreeWidget tree;
    tree.setHeaderHidden(true);
    auto* top = new QTreeWidgetItem(&tree, {QStringLiteral("Company")});
    std::vector<QTreeWidgetItem*> items;
    items.reserve(nodes.size());
    for (const PlainNode& node : nodes) {
        QTreeWidgetItem* parent = node.parent < 0 ? top : items[static_cast<size_t>(node.parent)];
        items.push_back(new QTreeWidgetItem(parent, {QString::fromStdString(node.text)}));
    }
    top->setExpanded(true);
    tree.resize(640, 480);
    PaintWatch watch(*tree.viewport());
    tree.show();
    watch.wait();
    clock.stop();
    return static_cast<int>(items.size()) + 1;
}

void BM_IntranetWindowFirstPaint(benchmark::State& state) {
    Installation& at = Installation::of(static_cast<int>(state.range(0)));
    Stopwatch wizard, bare;
    int wizardNodes = 0, bareNodes = 0;
    for (auto _ : state) {
        wizardNodes = startWizard(at, wizard);
        state.PauseTiming();
        bareNodes = startBareWindow(at.root, bare);
        state.ResumeTiming();
    }
    if (wizardNodes != bareNodes) state.SkipWithError("the windows show different trees");
    const double n = static_cast<double>(state.iterations());
    state.counters["wizard_ms"] = wizard.wallMs / n;
    state.counters["bare_ms"] = bare.wallMs / n;
    state.counters["wizard_cpu_ms"] = wizard.cpuMs / n;
    state.counters["bare_cpu_ms"] = bare.cpuMs / n;
    state.counters["ratio"] = bare.wallMs > 0 ? wizard.wallMs / bare.wallMs : 0;
    state.counters["nodes"] = wizardNodes;
}
BENCHMARK(BM_IntranetWindowFirstPaint)
    ->Arg(1000)
    ->Arg(5000)
    ->MinTime(2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varmio::bench

int main(int argc, char** argv) {
    // The window is measured without a display unless one is asked for.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
