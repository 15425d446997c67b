#include "intranet_disk.h"

#include "confined_path.h"
#include "intranet_records.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/steps.h"

namespace varmio {

namespace {

// Every file in a folder inside the root; a file that cannot be deleted stays.
void deleteFilesIn(const std::string& root, const std::string& folder) {
    for (const std::string& name : listFiles(folder, "*"))
        tryStep([&] { deleteFile(confinedPath(root, joinPath(folder, name))); });
}

// The record of a folder lies beside it: the folder's path plus the extension, in any case.
void deleteRecordBeside(const std::string& root, const std::string& folder,
                        const std::string& extension) {
    const std::string path = folder + extension;
    const std::string parent = path.substr(0, path.rfind(kPathSeparator));
    const std::vector<std::string> found =
        filesNamed(parent, path.substr(path.rfind(kPathSeparator) + 1));
    if (found.empty()) throw RuntimeError(errnum::kFileNotFound, "File not found");
    for (const std::string& name : found)
        deleteFile(confinedPath(root, joinPath(parent, name)));
}

void removeFolderAndRecord(const std::string& root, const std::string& folder,
                           const std::string& extension) {
    std::string inside;
    if (!tryStep([&] { inside = confinedPath(root, folder); })) return;
    deleteFilesIn(root, inside);
    tryStep([&] { removeFolder(inside); });
    tryStep([&] { deleteRecordBeside(root, inside, extension); });
}

}  // namespace

NewProject makeProject(const std::string& root, const std::string& parentFolder,
                       const std::string& parentKey, const std::string& name, Random& random) {
    // Draw again in the unlikely case the name is taken.
    std::string folderName = projectFolderName(random);
    while (folderExists(joinPath(parentFolder, folderName)) ||
           fileExists(joinPath(parentFolder, folderName + ".FNI")))
        folderName = projectFolderName(random);
    const std::string folder = confinedPath(root, joinPath(parentFolder, folderName));
    const std::string key = projectUniqueKey(random, name);
    makeFolder(folder);
    try {
        writeRecord(root, joinPath(parentFolder, folderName + ".FNI"),
                    {key, name, parentKey, folderName});
    } catch (const std::exception&) {
        tryStep([&] { removeFolder(folder); });
        throw;
    }
    return {folderName, key};
}

std::string documentFolderOf(const std::string& tag) {
    if (endsWith(tag, "/")) return tag.substr(0, tag.size() - 1);
    const size_t slash = tag.rfind('/');
    return slash == std::string::npos ? std::string() : tag.substr(0, slash);
}

void removeDocumentFiles(const std::string& root, const std::string& tag) {
    removeFolderAndRecord(root, documentFolderOf(tag), ".dni");
}

void removeProjectFiles(const std::string& root, const std::string& folder) {
    removeFolderAndRecord(root, folder, ".fni");
}

void ensureFolder(const std::string& root, const std::string& folder) {
    if (folder.empty()) throw RuntimeError(errnum::kPathNotFound, "Path not found");
    if (folderExists(folder)) return;
    makeFolders(folder == root ? root : confinedPath(root, folder));
}

std::string freeDocumentFolderName(const std::string& owner, Random& random) {
    std::string name = documentFolderName(random);
    while (folderExists(joinPath(owner, name)))
        name = documentFolderName(random);
    return name;
}

void makeDocumentFolder(const std::string& root, const std::string& folder) {
    makeFolder(confinedPath(root, folder));
}

void clearDocumentFolder(const std::string& root, const std::string& mainFile) {
    if (!fileExists(mainFile)) return;
    deleteFilesIn(root, confinedPath(root, documentFolderOf(mainFile)));
}

void removeUnrecordedFolder(const std::string& root, const std::string& folder) {
    const std::string inside = confinedPath(root, folder);
    deleteFilesIn(root, inside);
    removeFolder(inside);
}

void publishFile(const std::string& root, const std::string& folder, const FileRow& row,
                 const std::function<bool(std::uintmax_t copied)>& keepGoing) {
    replaceByCopy(row.path(), confinedPath(root, joinPath(confinedPath(root, folder), row.name)),
                  keepGoing);
}

void replaceByCopy(const std::string& from, const std::string& to,
                   const std::function<bool(std::uintmax_t copied)>& keepGoing) {
    if (fileExists(to)) deleteFile(to);
    copyFile(from, to, keepGoing);
}

}  // namespace varmio
