#pragma once

#include <string>
#include <vector>

namespace varmio {

class Random;

// A project record, P.FNI in the folder that holds the project folder P.
struct ProjectRecord {
    std::string key;        // "uniquekey:" + name + "!" + 50 characters
    std::string name;       // the display name as typed
    std::string parentKey;  // "root" or the parent project's key
    std::string folder;     // the project folder, relative to the record's folder
};

// A document record, D.dni in the folder that holds the document folder D.
struct DocumentRecord {
    std::string title;
    std::string ownerKey;  // "root" or the owning project's key
    std::string folder;    // the document folder's full path
    std::string mainFile;  // the file name of the document's main file
};

// Names: 20 letters a-p for a project folder, 8 letters a-u for a document folder, and the
// project's key "uniquekey:" + name + "!" + 50 characters from "@" to "T".
std::string projectFolderName(Random& random);
std::string documentFolderName(Random& random);
std::string projectUniqueKey(Random& random, const std::string& name);

// A record file by its path, found without regard to the case of its name (records are written
// as ".FNI" and ".dni" but looked up in either case); the path itself when nothing matches.
std::string findRecord(const std::string& path);

// The four lines of a record file; throws when it cannot be read or has fewer lines.
std::vector<std::string> readRecord(const std::string& file);
// A record's bytes: each line ended by CR LF.
std::string recordText(const std::vector<std::string>& lines);
// Writes a record inside the intranet `root`, replacing the file in one step.
void writeRecord(const std::string& root, const std::string& file,
                 const std::vector<std::string>& lines);

// The records of a folder in listing order; a record that cannot be read is left out.
std::vector<ProjectRecord> readProjectRecords(const std::string& folder);
std::vector<DocumentRecord> readDocumentRecords(const std::string& folder);

}  // namespace varmio
