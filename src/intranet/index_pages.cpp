#include "index_pages.h"

#include "intranet_store.h"
#include "intranet_tree.h"
#include "page/page_generator.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr char Q = '"';

// Copies the configured background picture beside the page; returns the extension used.
std::string copyBackgroundImage(const std::string& folder, const std::string& image) {
    std::string extension;
    if (image.empty()) {
        tryStep([&] { deleteMatching(folder, "$$bgimg.*"); });
        return extension;
    }
    // Three-letter extensions, then four-letter ones; a name that fits both is copied twice.
    for (const size_t length : {3, 4}) {
        const size_t n = image.size();
        if (n <= length || image[n - length - 1] != '.') continue;
        extension = image.substr(n - length);
        tryStep([&] { copyFile(image, joinPath(folder, "$$bgimg." + extension)); });
    }
    return extension;
}

}  // namespace

std::string treePath(const WizardWindow& w, int Index) {
    std::string path;
    for (const TreeNode* node = &w.tvwIntra.node(Index); node; node = node->parent)
        path = node->text + (path.empty() ? "" : "\\" + path);
    return path;
}

void GeneratePrjIndex(WizardWindow& w, int Index) {
    const std::string folder = w.tvwIntra.node(Index).tag;
    if (folder.empty()) return;  // a root that names no folder has no page
    const std::string extension =
        copyBackgroundImage(folder, ConvertBackSlash(w.config("HTML_BGIMG")));

    std::unique_ptr<LineWriter> page;
    if (!tryStep([&] { page = std::make_unique<LineWriter>(joinPath(folder, "index.html")); }))
        return;
    const std::string P = treePath(w, Index);
    const std::string link = w.config("HTML_LINK_COLOR_RGB");
    page->line("<HTML><TITLE>" + P + "</TITLE><BODY BGCOLOR=#" + w.config("HTML_BACK_COLOR_RGB") +
               " TEXT=#" + w.config("HTML_TEXT_COLOR_RGB") + " LINK=#" + link + " VLINK=#" + link +
               " ULINK=#" + link + " BACKGROUND=" + Q + "$$bgimg." + extension + Q + ">");
    if (Val(w.config("HTML_INTRA_VIRPATH_SHOWN")) == 1) page->line("<B>" + P + "</B><P>");

    page->line("<TABLE BORDER=0 WIDTH=100%>");
    const std::string dirColour = w.config("HTML_DIR_COLOR_RGB");
    const std::string extraPath = w.config("HTML_HREF_EXTRA_PATH");
    for (const std::string& name : listFiles(folder, "*.fni")) {
        tryStep([&] {
            std::vector<std::string> record = readRecord(joinPath(folder, name));
            std::string href = lcase(ConvertBackSlash(record[3] + "/index.html "));
            page->line("<TR><TD WIDTH=90% BGCOLOR=#" + dirColour +
                       " ALIGN=LEFT VALIGN=MIDDLE><B>&nbsp;<A HREF=" + Q + href + Q + " " +
                       extraPath + ">" + record[1] + "</A></TD></TR>");
        });
    }
    page->line("</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>");
    const std::string extraDoc = w.config("HTML_HREF_EXTRA_DOC");
    for (const std::string& name : listFiles(folder, "*.dni")) {
        tryStep([&] {
            std::vector<std::string> record = readRecord(joinPath(folder, name));
            std::string key =
                record[2].size() > 8 ? record[2].substr(record[2].size() - 8) : record[2];
            std::string href = lcase(ConvertBackSlash(key + "/" + record[3]));
            page->line(
                "<TR><TD><B>&nbsp;&nbsp;&nbsp;</B></TD><TD ALIGN=LEFT VALIGN=MIDDLE><B><A "
                "HREF=" +
                std::string(1, Q) + href + Q + " " + extraDoc + ">" + record[0] + "</A></TD></TR>");
        });
    }
    page->line("</TABLE>");
    page->line("</BODY></HTML>");
    page->close();
}

void GenerateMainIndex(WizardWindow& w) {
    for (int position = 1; position <= w.tvwIntra.count(); ++position)
        if (isFolderNode(w.tvwIntra.node(position)))
            tryStep([&] { GeneratePrjIndex(w, position); });
}

void cmd_index_Click(WizardWindow& w) {
    if (w.tvwIntra.count() == 0 || w.tvwIntra.node(1).image == intranet_image::kUndefinedRoot)
        return;
    {
        WizardWindow::Working working(w, "PROCESSING");
        tryStep([&] { GenerateMainIndex(w); });
    }
    cmd_intra_refresh_Click(w);
}

}  // namespace varmio
