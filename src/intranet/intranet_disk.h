#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "page/file_row.h"

namespace varmio {

class Random;

// Disk steps of the intranet below its folder `root`. Every file or folder they write, make or
// delete passes confinedPath; a step aimed elsewhere throws, or is skipped where the steps run
// on after failures.

// A project just made on disk.
struct NewProject {
    std::string folderName;  // the 20 letters
    std::string key;
};

// Makes a project below `parentFolder`: a folder under a freshly drawn name and its record
// beside it. Throws when either cannot be written; a record never names a missing folder.
NewProject makeProject(const std::string& root, const std::string& parentFolder,
                       const std::string& parentKey, const std::string& name, Random& random);

// The folder of a document node: its tag up to, not including, the last separator.
std::string documentFolderOf(const std::string& tag);

// Removes every file of a document's folder (`tag` is the document node's), the folder and
// its record; every step is tried, whatever the others did. Nothing is touched when the
// folder is not inside the root.
void removeDocumentFiles(const std::string& root, const std::string& tag);
// The same for a project folder; a folder that still holds sub-folders stays.
void removeProjectFiles(const std::string& root, const std::string& folder);

// Makes the owning folder of a new document when it is missing: the root itself, or a project
// folder inside it.
void ensureFolder(const std::string& root, const std::string& folder);
// A document folder name not yet taken below `owner`.
std::string freeDocumentFolderName(const std::string& owner, Random& random);
void makeDocumentFolder(const std::string& root, const std::string& folder);
// Before a document is published again: when its old main file still exists, every file
// beside it goes.
void clearDocumentFolder(const std::string& root, const std::string& mainFile);
// Removes a document folder that no record names yet (a publish cancelled before its record):
// its files, then the folder.
void removeUnrecordedFolder(const std::string& root, const std::string& folder);
// Copies one file of the file list into a document folder, replacing a file of that name.
// `keepGoing` is as copyFile's.
void publishFile(const std::string& root, const std::string& folder, const FileRow& row,
                 const std::function<bool(std::uintmax_t copied)>& keepGoing = {});

// Copies `from` to `to` (a path confinedPath returned) as a new file: a file already there is
// deleted first, so nothing that shares it through a hard link is written.
void replaceByCopy(const std::string& from, const std::string& to,
                   const std::function<bool(std::uintmax_t copied)>& keepGoing = {});

}  // namespace varmio
