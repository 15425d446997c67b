#include "intranet_disk.h"

#include "intranet_records.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/steps.h"

namespace varmio {

namespace {

// Every file in the folder, then the folder itself.
void deleteFolderWithFiles(const std::string& folder) {
    tryStep([&] { deleteMatching(folder, "*"); });
    tryStep([&] { removeFolder(folder); });
}

// The record of a folder lies beside it: the folder's path plus the extension, in any case.
void deleteRecordBeside(const std::string& folder, const std::string& extension) {
    const std::string path = folder + extension;
    const size_t slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::vector<std::string> found = listFiles(parent, path.substr(slash + 1));
    if (found.empty()) throw RuntimeError(errnum::kFileNotFound, "File not found");
    for (const std::string& name : found)
        deleteFile(parent + "/" + name);
}

}  // namespace

NewProject makeProject(const std::string& parentFolder, const std::string& parentKey,
                       const std::string& name, Random& random) {
    // Draw again in the unlikely case the name is taken.
    std::string folderName = projectFolderName(random);
    while (folderExists(joinPath(parentFolder, folderName)) ||
           fileExists(joinPath(parentFolder, folderName + ".FNI")))
        folderName = projectFolderName(random);
    const std::string folder = joinPath(parentFolder, folderName);
    const std::string key = projectUniqueKey(random, name);
    makeFolder(folder);
    try {
        writeRecord(joinPath(parentFolder, folderName + ".FNI"),
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

void removeDocumentFiles(const std::string& tag) {
    const std::string folder = documentFolderOf(tag);
    deleteFolderWithFiles(folder);
    tryStep([&] { deleteRecordBeside(folder, ".dni"); });
}

void removeProjectFiles(const std::string& folder) {
    deleteFolderWithFiles(folder);
    tryStep([&] { deleteRecordBeside(folder, ".fni"); });
}

void ensureFolder(const std::string& folder) {
    if (folder.empty()) throw RuntimeError(errnum::kPathNotFound, "Path not found");
    if (!folderExists(folder)) makeFolders(folder);
}

std::string freeDocumentFolderName(const std::string& owner, Random& random) {
    std::string name = documentFolderName(random);
    while (folderExists(joinPath(owner, name)))
        name = documentFolderName(random);
    return name;
}

void makeDocumentFolder(const std::string& folder) {
    makeFolder(folder);
}

void clearDocumentFolder(const std::string& mainFile) {
    if (fileExists(mainFile)) deleteMatching(mainFile.substr(0, mainFile.rfind('/')), "*");
}

void publishFile(const std::string& folder, const FileRow& row) {
    copyFile(row.path(), joinPath(folder, row.name));
}

}  // namespace varmio
