#include "index_pages.h"

#include "intranet/confined_path.h"
#include "intranet/index_page.h"
#include "intranet/intranet_reader.h"
#include "intranet_store.h"
#include "intranet_tree.h"
#include "page/page_generator.h"
#include "platform/basic_text.h"
#include "platform/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

IndexPageSettings indexPageSettings(const WizardWindow& w) {
    IndexPageSettings settings;
    settings.backColour = w.config("HTML_BACK_COLOR_RGB");
    settings.textColour = w.config("HTML_TEXT_COLOR_RGB");
    settings.linkColour = w.config("HTML_LINK_COLOR_RGB");
    settings.dirColour = w.config("HTML_DIR_COLOR_RGB");
    settings.backgroundImage = ConvertBackSlash(w.config("HTML_BGIMG"));
    settings.showPath = Val(w.config("HTML_INTRA_VIRPATH_SHOWN")) == 1;
    settings.extraPath = w.config("HTML_HREF_EXTRA_PATH");
    settings.extraDoc = w.config("HTML_HREF_EXTRA_DOC");
    return settings;
}

}  // namespace

std::string treePath(const WizardWindow& w, int Index) {
    std::string path;
    for (const TreeNode* node = &w.tvwIntra.node(Index); node; node = node->parent)
        path = node->text + (path.empty() ? "" : "\\" + path);
    return path;
}

namespace {

// The settings and the root are taken once for a run of pages: each reading of a setting is a
// query of the store, and resolving the root costs a system call for each of its folders.
void writePageOf(WizardWindow& w, int Index, const ConfinedRoot& root,
                 const IndexPageSettings& settings, IntranetReader& reader) {
    const TreeNode& node = w.tvwIntra.node(Index);
    if (node.tag.empty()) return;  // a root that names no folder has no page
    // A project whose record names a place outside the intranet gets no page.
    if (!tryStep([&] { writableFolder(w, node, root); })) return;
    writeIndexPage(root, node.tag, treePath(w, Index), settings, reader);
}

}  // namespace

void GeneratePrjIndex(WizardWindow& w, int Index) {
    IntranetReader reader;
    GeneratePrjIndex(w, Index, reader);
}

void GeneratePrjIndex(WizardWindow& w, int Index, IntranetReader& reader) {
    writePageOf(w, Index, ConfinedRoot(intranetRoot(w)), indexPageSettings(w), reader);
}

void GenerateMainIndex(WizardWindow& w) {
    IntranetReader reader;
    GenerateMainIndex(w, reader);
}

void GenerateMainIndex(WizardWindow& w, IntranetReader& reader) {
    const ConfinedRoot root(intranetRoot(w));
    const IndexPageSettings settings = indexPageSettings(w);
    for (int position = 1; position <= w.tvwIntra.count(); ++position)
        if (isFolderNode(w.tvwIntra.node(position)))
            tryStep([&] { writePageOf(w, position, root, settings, reader); });
}

void cmd_index_Click(WizardWindow& w) {
    if (w.tvwIntra.count() == 0 || w.tvwIntra.node(1).image == intranet_image::kUndefinedRoot)
        return;
    // The pages write no records, so the tree read after them reuses what they read.
    IntranetReader reader;
    {
        WizardWindow::Working working(w, "PROCESSING");
        tryStep([&] { GenerateMainIndex(w, reader); });
    }
    refreshIntraTree(w, reader);
}

}  // namespace varmio
