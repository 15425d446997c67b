#include "intranet_store.h"

#include <utility>
#include <vector>

#include "index_pages.h"
#include "intranet/confined_path.h"
#include "intranet/intranet_disk.h"
#include "intranet/intranet_reader.h"
#include "intranet/intranet_records.h"
#include "page/page_generator.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/steps.h"
#include "wizard/page/generate_html.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

std::vector<std::string> treeKeys(const TreeView& tree) {
    std::vector<std::string> keys;
    for (int position = 1; position <= tree.count(); ++position)
        keys.push_back(tree.node(position).key);
    return keys;
}

// Adds the nodes that can join the tree, letting the window breathe after each.
void addNodes(WizardWindow& w, const std::vector<IntranetNode>& nodes) {
    NodeKeys keys(treeKeys(w.tvwIntra));
    for (const IntranetNode& node : nodes) {
        if (keys.join(node)) {
            tryStep([&] {
                TreeNode& added = w.tvwIntra.add(node.parentKey, node.key, node.text, node.image);
                added.tag = node.tag;
                added.expanded = node.expanded;
            });
        }
        w.host().doEvents();
    }
}

}  // namespace

bool isFolderNode(const TreeNode& node) {
    return isFolderImage(node.image);
}

std::string intranetRoot(const WizardWindow& w) {
    return w.tvwIntra.count() > 0 ? w.tvwIntra.node(1).tag : std::string();
}

std::string writableFolder(const WizardWindow& w, const TreeNode& node) {
    return writableFolder(w, node, ConfinedRoot(intranetRoot(w)));
}

std::string writableFolder(const WizardWindow& w, const TreeNode& node, const ConfinedRoot& root) {
    if (w.tvwIntra.position(node) != 1) root.path(node.tag);
    return node.tag;
}

void InitIntraTree(WizardWindow& w) {
    IntranetReader reader;
    InitIntraTree(w, reader);
}

void InitIntraTree(WizardWindow& w, IntranetReader& reader) {
    w.frm_Working.show(w.host());
    tryStep([&] {
        w.tvwIntra.clear();
        TreeNode& root = w.tvwIntra.add("", "root", w.cmb_my_intras.text, intranet_image::kRoot);
        root.tag = w.txt_intra_path.text;
        root.expanded = true;
    });
    tryStep([&] { CreateINTRATree(w, w.txt_intra_path.text, reader); });
    w.frm_Working.hide();
}

void CreateINTRATree(WizardWindow& w, std::string PathToRead) {
    IntranetReader reader;
    CreateINTRATree(w, std::move(PathToRead), reader);
}

void CreateINTRATree(WizardWindow& w, std::string PathToRead, IntranetReader& reader) {
    if (PathToRead.empty()) return;  // no intranet folder: nothing to read
    NodeKeys keys(treeKeys(w.tvwIntra));
    addNodes(w, projectLevels(PathToRead, keys, reader));
    addNodes(w, documentNodes(w.tvwIntra.node(1).tag, reader));
}

void ReadFNI(WizardWindow& w, std::string PathToRead) {
    addNodes(w, projectNodes(PathToRead));
}

void ReadDNI(WizardWindow& w, std::string PathToRead) {
    addNodes(w, documentNodes(PathToRead));
}

void CreateFold(WizardWindow& w) {
    WizardWindow::Working working(w, "PROSESSING");
    TreeView& tree = w.tvwIntra;
    // A rebuilt tree has no selection while the name mirror still shows the last choice.
    if ((w.cmb_intra_prj.text.empty() || !tree.selected()) && tree.count() > 0)
        tree.select(&tree.node(1));
    TreeNode* parent = tree.selected();
    // Nothing below an undefined intranet, a document, a root that names no folder, or a
    // project whose record names a place outside the intranet.
    if (!parent || !isFolderNode(*parent) || parent->tag.empty()) return;
    if (!tryStep([&] { writableFolder(w, *parent); })) return;

    std::string name = w.InputBox(w.GetText("NEW_PROJECT_NAME"), "");
    if (name.empty()) return;

    NewProject made;
    if (!tryStep([&] {
            made = makeProject(intranetRoot(w), parent->tag, parent->key, name, w.random());
        }))
        return;
    tryStep([&] { GeneratePrjIndex(w, tree.position(*parent)); });
    TreeNode* added = nullptr;
    tryStep([&] { added = &tree.addChild(*parent, made.key, name, intranet_image::kProject); });
    if (!added) return;
    added->tag = joinPath(parent->tag, made.folderName);
    tryStep([&] { GeneratePrjIndex(w, tree.position(*added)); });
}

void create_doc(WizardWindow& w, const std::string& DocName, const std::string& DocPath,
                const std::string& DocIndex, const std::string& DocKey) {
    TreeNode* owner = w.tvwIntra.selected();
    if (!owner) throw RuntimeError(errnum::kObjectVariableNotSet, "Object variable not set");
    const std::string folder = joinPath(DocPath, DocKey);
    std::string mainFile = DocIndex;
    if (w.chk_cmpHTML.value() != 1) mainFile = w.lvwFiles.row(1).subItem(1);

    tryStep([&] {
        TreeNode& node = w.tvwIntra.addChild(*owner, "", DocName, intranet_image::kDocument);
        node.tag = folder + "/" + mainFile;
        node.expanded = true;
    });
    writeRecord(intranetRoot(w), joinPath(writableFolder(w, *owner), DocKey + ".dni"),
                {DocName, owner->key, folder, mainFile});
    GeneratePrjIndex(w, w.tvwIntra.position(*owner));
}

void Overwrite_doc(WizardWindow& w, const std::string& FileName, const std::string& Doc_Realname,
                   const std::string& UniqueKey, const std::string& path,
                   const std::string& IndexFile) {
    w.cmb_htmlfile.text = IndexFile;
    w.chk_cmpHTML.setValue(1);
    GenerateHTML(w, true);
    writeRecord(intranetRoot(w), FileName, {Doc_Realname, UniqueKey, path, IndexFile});
}

void removeDocument(WizardWindow& w, TreeNode& node) {
    removeDocumentFiles(intranetRoot(w), node.tag);
    tryStep([&] { w.tvwIntra.remove(node); });
    tryStep([&] { GenerateMainIndex(w); });
}

void removeProject(WizardWindow& w, TreeNode& node) {
    if (w.tvwIntra.childCount(node) > 0) return;
    removeProjectFiles(intranetRoot(w), node.tag);
    tryStep([&] { w.tvwIntra.remove(node); });
    tryStep([&] { GenerateMainIndex(w); });
}

}  // namespace varmio
