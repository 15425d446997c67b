#pragma once

#include <string>

#include "intranet/intranet_nodes.h"

namespace varmio {

class ConfinedRoot;
class IntranetReader;
class WizardWindow;
struct TreeNode;

// Folder nodes get an index page and can receive documents.
bool isFolderNode(const TreeNode& node);

// The current intranet's folder, as the tree's root names it; every write stays inside it.
std::string intranetRoot(const WizardWindow& w);
// The folder of a folder node, to write into: the root node's is the intranet's folder; a
// project's must lie strictly inside it (a damaged record can name any place), else this throws.
std::string writableFolder(const WizardWindow& w, const TreeNode& node);
// The same against a root resolved once for a run of writes.
std::string writableFolder(const WizardWindow& w, const TreeNode& node, const ConfinedRoot& root);

// Rebuilds the tree: the root, every project level by level, and the root's own documents.
void InitIntraTree(WizardWindow& w);
void InitIntraTree(WizardWindow& w, IntranetReader& reader);
void CreateINTRATree(WizardWindow& w, std::string PathToRead);
void CreateINTRATree(WizardWindow& w, std::string PathToRead, IntranetReader& reader);
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
