#include "intranet_store.h"

#include <filesystem>
#include <set>

#include "index_pages.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/steps.h"
#include "wizard/page/generate_html.h"
#include "wizard/window_host.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

std::string randomLetters(Random& random, int count, int spread, int base) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += static_cast<char>(roundHalfEven(random.Rnd() * spread + base));
    return out;
}

// The folder of a document node: its tag up to, not including, the last separator.
std::string documentFolder(const std::string& tag) {
    if (endsWith(tag, "/")) return tag.substr(0, tag.size() - 1);
    size_t slash = tag.rfind('/');
    return slash == std::string::npos ? std::string() : tag.substr(0, slash);
}

// Every file in the folder, then the folder itself; a folder still holding sub-folders stays.
void deleteFolderWithFiles(const std::string& folder) {
    tryStep([&] { deleteMatching(folder, "*"); });
    tryStep([&] { removeFolder(folder); });
}

// The files named as the last part of `path`, whose case may differ, in name order.
std::vector<std::string> filesNamedAs(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::vector<std::string> found;
    for (const std::string& name : listFiles(folder, path.substr(slash + 1)))
        found.push_back(folder + "/" + name);
    return found;
}

// The record of a folder lies beside it: the folder's path plus the extension, in any case.
void deleteRecordBeside(const std::string& folder, const std::string& extension) {
    const std::vector<std::string> found = filesNamedAs(folder + extension);
    if (found.empty()) throw RuntimeError(errnum::kFileNotFound, "File not found");
    for (const std::string& record : found)
        deleteFile(record);
}

}  // namespace

bool isFolderNode(const TreeNode& node) {
    return node.image == intranet_image::kProject || node.image == intranet_image::kRoot ||
           node.image == intranet_image::kProjectRead;
}

std::string projectFolderName(Random& random) {
    return lcase(randomLetters(random, 20, 15, 65));
}

std::string documentFolderName(Random& random) {
    return lcase(randomLetters(random, 8, 20, 65));
}

std::string projectUniqueKey(Random& random, const std::string& name) {
    return "uniquekey:" + name + "!" + randomLetters(random, 50, 20, 64);
}

std::string findRecord(const std::string& path) {
    if (fileExists(path)) return path;
    const std::vector<std::string> found = filesNamedAs(path);
    return found.empty() ? path : found.front();
}

std::vector<std::string> readRecord(const std::string& file) {
    std::vector<std::string> lines = readLines(findRecord(file));
    if (lines.size() < 4) throw RuntimeError(errnum::kInputPastEnd, "Input past end of file");
    lines.resize(4);
    return lines;
}

void writeRecord(const std::string& file, const std::vector<std::string>& lines) {
    LineWriter out(file);
    for (const std::string& line : lines)
        out.line(line);
    out.close();
}

void InitIntraTree(WizardWindow& w) {
    w.frm_Working.show(w.host());
    tryStep([&] {
        w.tvwIntra.clear();
        TreeNode& root = w.tvwIntra.add("", "root", w.cmb_my_intras.text, intranet_image::kRoot);
        root.tag = w.txt_intra_path.text;
        root.expanded = true;
    });
    tryStep([&] { CreateINTRATree(w, w.txt_intra_path.text); });
    w.frm_Working.hide();
}

void CreateINTRATree(WizardWindow& w, std::string PathToRead) {
    if (PathToRead.empty()) return;  // no intranet folder: nothing to read
    PathToRead = withFinalSeparator(PathToRead);
    // A damaged record can name the folder it lies in (or one above it) as its project folder;
    // reading every folder once keeps such a loop from growing the tree for ever.
    std::set<std::string> foldersRead;
    auto readOnce = [&](const std::string& folder) {
        std::error_code error;
        std::string canonical = std::filesystem::weakly_canonical(folder, error).string();
        if (foldersRead.insert(error ? folder : canonical).second) ReadFNI(w, folder);
    };
    int oldCount = w.tvwIntra.count();
    readOnce(PathToRead);
    // Breadth first: each pass reads the projects of the level the previous pass added.
    while (w.tvwIntra.count() != oldCount) {
        int newCount = w.tvwIntra.count();
        for (int position = oldCount + 1; position <= newCount; ++position)
            readOnce(w.tvwIntra.node(position).tag);
        oldCount = newCount;
        w.host().doEvents();
    }
    ReadDNI(w, w.tvwIntra.node(1).tag);
}

void ReadFNI(WizardWindow& w, std::string PathToRead) {
    PathToRead = withFinalSeparator(PathToRead);
    for (const std::string& name : listFiles(PathToRead, "*.FNI")) {
        tryStep([&] {
            std::vector<std::string> record = readRecord(PathToRead + name);
            TreeNode& node =
                w.tvwIntra.add(record[2], record[0], record[1], intranet_image::kProject);
            node.tag = PathToRead + record[3];
        });
        w.host().doEvents();
    }
}

void ReadDNI(WizardWindow& w, std::string PathToRead) {
    PathToRead = withFinalSeparator(PathToRead);
    for (const std::string& name : listFiles(PathToRead, "*.DNI")) {
        tryStep([&] {
            std::vector<std::string> record = readRecord(PathToRead + name);
            TreeNode& node = w.tvwIntra.add(record[1], "", record[0], intranet_image::kDocument);
            node.tag = record[2] + "/" + record[3];
            node.expanded = true;
        });
        w.host().doEvents();
    }
}

void CreateFold(WizardWindow& w) {
    WizardWindow::Working working(w, "PROSESSING");
    TreeView& tree = w.tvwIntra;
    if (w.cmb_intra_prj.text.empty() && tree.count() > 0) tree.select(&tree.node(1));
    TreeNode* parent = tree.selected();
    // Nothing below an undefined intranet, a document, or a root that names no folder.
    if (!parent || !isFolderNode(*parent) || parent->tag.empty()) return;

    std::string name = w.InputBox(w.GetText("NEW_PROJECT_NAME"), "");
    if (name.empty()) return;

    // Draw again in the unlikely case the name is taken.
    std::string folderName = projectFolderName(w.random());
    while (folderExists(joinPath(parent->tag, folderName)) ||
           fileExists(joinPath(parent->tag, folderName + ".FNI")))
        folderName = projectFolderName(w.random());
    const std::string folder = joinPath(parent->tag, folderName);
    const std::string key = projectUniqueKey(w.random(), name);
    // A record must never point at a folder that does not exist.
    if (!tryStep([&] { makeFolder(folder); })) return;
    if (!tryStep([&] {
            writeRecord(joinPath(parent->tag, folderName + ".FNI"),
                        {key, name, parent->key, folderName});
        })) {
        tryStep([&] { removeFolder(folder); });
        return;
    }
    tryStep([&] { GeneratePrjIndex(w, tree.position(*parent)); });
    TreeNode* added = nullptr;
    tryStep([&] { added = &tree.addChild(*parent, key, name, intranet_image::kProject); });
    if (!added) return;
    added->tag = folder;
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
    writeRecord(joinPath(owner->tag, DocKey + ".dni"), {DocName, owner->key, folder, mainFile});
    GeneratePrjIndex(w, w.tvwIntra.position(*owner));
}

void Overwrite_doc(WizardWindow& w, const std::string& FileName, const std::string& Doc_Realname,
                   const std::string& UniqueKey, const std::string& path,
                   const std::string& IndexFile) {
    w.cmb_htmlfile.text = IndexFile;
    w.chk_cmpHTML.setValue(1);
    GenerateHTML(w, true);
    writeRecord(FileName, {Doc_Realname, UniqueKey, path, IndexFile});
}

void removeDocument(WizardWindow& w, TreeNode& node) {
    const std::string folder = documentFolder(node.tag);
    deleteFolderWithFiles(folder);
    tryStep([&] { deleteRecordBeside(folder, ".dni"); });
    tryStep([&] { w.tvwIntra.remove(node); });
    tryStep([&] { GenerateMainIndex(w); });
}

void removeProject(WizardWindow& w, TreeNode& node) {
    if (w.tvwIntra.childCount(node) > 0) return;
    const std::string folder = node.tag;
    deleteFolderWithFiles(folder);
    tryStep([&] { deleteRecordBeside(folder, ".fni"); });
    tryStep([&] { w.tvwIntra.remove(node); });
    tryStep([&] { GenerateMainIndex(w); });
}

}  // namespace varmio
