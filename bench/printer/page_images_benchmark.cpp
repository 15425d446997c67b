// Page images per second at 96 dpi: the agent's renderer (Poppler, on every core and on one)
// against `pdftoppm -png -r 96` on the same 24-page document of text and drawings.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "page_renderer.h"

namespace varmio {
namespace {

namespace fs = std::filesystem;

constexpr int kPages = 24;
constexpr int kDpi = 96;

// A page of 50 lines of text under a few filled shapes and a curve, as office documents have.
std::string pageContent(int page) {
    std::string content =
        "0.9 0.9 1 rg 40 60 515 720 re f 0.2 0.4 0.8 RG 2 w 60 780 m "
        "200 840 400 700 535 780 c S 0 0 0 rg BT /F1 10 Tf 60 760 Td 13 TL\n";
    for (int line = 0; line < 50; ++line) {
        content += "(Page " + std::to_string(page) + ", line " + std::to_string(line) +
                   ": The quick brown fox jumps over the lazy dog, 0123456789.) '\n";
    }
    return content + "ET";
}

std::string writeSampleDocument(const fs::path& file) {
    std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>", "",
                                        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    std::string kids;
    for (int page = 0; page < kPages; ++page) {
        kids += std::to_string(4 + 2 * page) + " 0 R ";
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents " +
                          std::to_string(5 + 2 * page) +
                          " 0 R /Resources << /Font << /F1 3 0 R >> >> >>");
        const std::string content = pageContent(page + 1);
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" +
                          content + "\nendstream");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(kPages) + " >>";
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        char entry[32];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    std::ofstream(file, std::ios::binary) << pdf;
    return file.string();
}

struct Workspace {
    fs::path folder =
        fs::temp_directory_path() / ("varmio-page-images-" + std::to_string(::getpid()));
    std::string pdf;
    Workspace() {
        fs::create_directories(folder / "out");
        pdf = writeSampleDocument(folder / "sample.pdf");
    }
    ~Workspace() { fs::remove_all(folder); }
};

void BM_AgentRenderer(benchmark::State& state) {
    Workspace work;
    for (auto _ : state) {
        const RenderResult result =
            renderPageImages(work.pdf, kPages, kDpi, (work.folder / "out").string(),
                             static_cast<int>(state.range(0)));
        if (!result.error.empty()) state.SkipWithError(result.error.c_str());
    }
    state.SetItemsProcessed(state.iterations() * kPages);
    state.SetLabel(state.range(0) == 0 ? "every core" : "one thread");
}
BENCHMARK(BM_AgentRenderer)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Pdftoppm(benchmark::State& state) {
    Workspace work;
    const std::string command = "pdftoppm -png -r " + std::to_string(kDpi) + " '" + work.pdf +
                                "' '" + (work.folder / "out" / "page").string() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("pdftoppm failed");
    }
    state.SetItemsProcessed(state.iterations() * kPages);
}
BENCHMARK(BM_Pdftoppm)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace varmio
