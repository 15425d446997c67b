#pragma once

#include <string>
#include <vector>

namespace varmio {

class WizardWindow;
class Random;
struct TreeNode;

// Node images of the intranet tree.
namespace intranet_image {
inline constexpr int kProject = 1;  // documents not read yet
inline constexpr int kDocument = 4;
inline constexpr int kRoot = 5;
inline constexpr int kUndefinedRoot = 6;  // "No intra defined"
inline constexpr int kProjectRead = 7;    // documents read
}  // namespace intranet_image

// Folder nodes get an index page and can receive documents.
bool isFolderNode(const TreeNode& node);

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
// Writes a record's lines, each ended by CR LF, replacing the file.
void writeRecord(const std::string& file, const std::vector<std::string>& lines);

// Rebuilds the tree: the root, every project level by level, and the root's own documents.
void InitIntraTree(WizardWindow& w);
void CreateINTRATree(WizardWindow& w, std::string PathToRead);
// One project node per project record (".FNI") in the folder.
void ReadFNI(WizardWindow& w, std::string PathToRead);
// One document node per document record (".dni") in the folder.
void ReadDNI(WizardWindow& w, std::string PathToRead);

// Makes a project below the selected node, asking for its name.
void CreateFold(WizardWindow& w);
// Records a newly published document below the selected node and adds its node.
void create_doc(WizardWindow& w, const std::string& DocName, const std::string& DocPath,
                const std::string& DocIndex, const std::string& DocKey);
// Rewrites the record of a republished document after writing its page anew.
void Overwrite_doc(WizardWindow& w, const std::string& FileName, const std::string& Doc_Realname,
                   const std::string& UniqueKey, const std::string& path,
                   const std::string& IndexFile);

// Removes a document's folder and record, or an empty project's folder and record, then the
// node, and writes every index page anew.
void removeDocument(WizardWindow& w, TreeNode& node);
void removeProject(WizardWindow& w, TreeNode& node);

}  // namespace varmio
