// Writing every index page of a 1,000-project intranet (the intranet page's index button: the
// pages, then the tree read anew) against a plain program that walks the same folders, reads the
// same records and writes byte-identical pages. Aim: at most 1.5x the floor, on tmpfs (where
// the disk hides no processor time) and on disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>

#include "intranet_maker.h"
#include "platform/basic_text.h"
#include "support/wizard/harness.h"
#include "timing.h"

namespace varmio::bench {
namespace {

constexpr int kProjects = 1000;

// How the pages look, taken from the wizard's settings once, outside the timing.
struct PageLook {
    std::string back, text, link, dir, extraPath, extraDoc;
    bool showPath = false;
};

std::string lowerUrl(std::string text) {
    for (char& c : text)
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void writePlainly(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
    ::close(fd);
}

// The floor: breadth first through the project records, one page per folder built in memory
// from its records and written with one write(2).
void writePagesPlainly(const std::string& root, const std::string& rootText, const PageLook& look) {
    std::deque<std::pair<std::string, std::string>> folders{{root, rootText}};  // folder, path
    while (!folders.empty()) {
        const auto [folder, treePath] = folders.front();
        folders.pop_front();
        std::string page = "<HTML><TITLE>" + treePath + "</TITLE><BODY BGCOLOR=#" + look.back +
                           " TEXT=#" + look.text + " LINK=#" + look.link + " VLINK=#" + look.link +
                           " ULINK=#" + look.link + " BACKGROUND=\"$$bgimg.\">\r\n";
        if (look.showPath) page += "<B>" + treePath + "</B><P>\r\n";
        page += "<TABLE BORDER=0 WIDTH=100%>\r\n";
        for (const std::string& name : recordsIn(folder, ".fni")) {
            const std::vector<std::string> lines = recordLines(folder + "/" + name);
            if (lines.size() < 4) continue;
            page += "<TR><TD WIDTH=90% BGCOLOR=#" + look.dir +
                    " ALIGN=LEFT VALIGN=MIDDLE><B>&nbsp;<A HREF=\"" +
                    lowerUrl(lines[3] + "/index.html ") + "\" " + look.extraPath + ">" + lines[1] +
                    "</A></TD></TR>\r\n";
            folders.emplace_back(folder + "/" + lines[3], treePath + "\\" + lines[1]);
        }
        page += "</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>\r\n";
        for (const std::string& name : recordsIn(folder, ".dni")) {
            const std::vector<std::string> lines = recordLines(folder + "/" + name);
            if (lines.size() < 4) continue;
            const std::string& docFolder = lines[2];
            page +=
                "<TR><TD><B>&nbsp;&nbsp;&nbsp;</B></TD><TD ALIGN=LEFT VALIGN=MIDDLE><B><A "
                "HREF=\"" +
                lowerUrl(docFolder.substr(docFolder.size() > 8 ? docFolder.size() - 8 : 0) + "/" +
                         lines[3]) +
                "\" " + look.extraDoc + ">" + lines[0] + "</A></TD></TR>\r\n";
        }
        page += "</TABLE>\r\n</BODY></HTML>\r\n";
        writePlainly(folder + "/index.html", page);
    }
}

// Every index page below `root`, by path.
std::map<std::string, std::string> pagesBelow(const std::string& root) {
    std::map<std::string, std::string> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.path().filename() == "index.html")
            pages[entry.path().string()] = readFile(entry.path());
    return pages;
}

// The wizard in intranet-manager mode on an intranet in a fresh folder below `base`, made once
// per file system for the whole run and removed at its end.
struct IndexSetup {
    test::WizardHarness harness;
    std::string folder;
    std::string root;
    bool started = false;
    explicit IndexSetup(const std::string& base) {
        std::string pattern = base + "/varmio-index-XXXXXX";
        if (!::mkdtemp(pattern.data())) return;
        folder = pattern;
        root = folder + "/intra";
        makeIntranet(root, {kProjects, 10});
        harness.setConfig("MYINTRA", "Company\xFE" + root + "\xFE\xFF");
        started = harness.start("/intraman");
    }
    ~IndexSetup() {
        std::error_code ignored;
        if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
    }
    static IndexSetup& of(const std::string& base) {
        static std::map<std::string, std::unique_ptr<IndexSetup>> made;
        auto& setup = made[base];
        if (!setup) setup = std::make_unique<IndexSetup>(base);
        return *setup;
    }
};

// 0: tmpfs, 1: disk (/var/tmp, else the current folder).
std::string baseFolder(int kind) {
    if (kind == 0) return "/dev/shm";
    return ::access("/var/tmp", W_OK) == 0 ? "/var/tmp" : std::filesystem::current_path().string();
}

void BM_IndexPages(benchmark::State& state) {
    IndexSetup& setup = IndexSetup::of(baseFolder(static_cast<int>(state.range(0))));
    if (!setup.started) return state.SkipWithError("no intranet or start-up ended the program");
    WizardWindow& w = setup.harness.window();
    const PageLook look{w.config("HTML_BACK_COLOR_RGB"),
                        w.config("HTML_TEXT_COLOR_RGB"),
                        w.config("HTML_LINK_COLOR_RGB"),
                        w.config("HTML_DIR_COLOR_RGB"),
                        w.config("HTML_HREF_EXTRA_PATH"),
                        w.config("HTML_HREF_EXTRA_DOC"),
                        Val(w.config("HTML_INTRA_VIRPATH_SHOWN")) == 1};
    if (!w.config("HTML_BGIMG").empty()) return state.SkipWithError("a background is configured");
    const std::string rootText = w.tvwIntra.node(1).text;

    w.cmd_index.userClick();
    const std::map<std::string, std::string> wizardPages = pagesBelow(setup.root);
    writePagesPlainly(setup.root, rootText, look);
    if (pagesBelow(setup.root) != wizardPages || wizardPages.size() != kProjects + 1)
        return state.SkipWithError("the wizard and the floor write different pages");

    Stopwatch wizard, plain;
    for (auto _ : state) {
        wizard.start();
        w.cmd_index.userClick();
        wizard.stop();

        state.PauseTiming();
        plain.start();
        writePagesPlainly(setup.root, rootText, look);
        plain.stop();
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wizard_ms"] = wizard.wallMs / n;
    state.counters["plain_ms"] = plain.wallMs / n;
    state.counters["wizard_cpu_ms"] = wizard.cpuMs / n;
    state.counters["plain_cpu_ms"] = plain.cpuMs / n;
    state.counters["ratio"] = plain.wallMs > 0 ? wizard.wallMs / plain.wallMs : 0;
    state.counters["pages"] = static_cast<double>(wizardPages.size());
}
BENCHMARK(BM_IndexPages)->ArgName("disk")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varmio::bench
