#pragma once

#include <set>
#include <string>
#include <vector>

namespace varmio {

class IntranetReader;

// Node images of the intranet tree.
namespace intranet_image {
inline constexpr int kProject = 1;  // documents not read yet
inline constexpr int kDocument = 4;
inline constexpr int kRoot = 5;
inline constexpr int kUndefinedRoot = 6;  // "No intra defined"
inline constexpr int kProjectRead = 7;    // documents read
}  // namespace intranet_image

// Folder nodes get an index page and can receive documents.
bool isFolderImage(int image);

// A node of the intranet tree as the records give it.
struct IntranetNode {
    std::string key;
    std::string parentKey;
    std::string text;
    std::string tag;  // a project's folder, a document's main file
    int image = 0;
    bool expanded = false;
};

// The project nodes of the records in `PathToRead`: tag = the folder + the record's folder.
std::vector<IntranetNode> projectNodes(const std::string& PathToRead);
std::vector<IntranetNode> projectNodes(const std::string& PathToRead, IntranetReader& reader);
// The document nodes of the records in `PathToRead`: tag = document folder + "/" + main file.
std::vector<IntranetNode> documentNodes(const std::string& PathToRead);
std::vector<IntranetNode> documentNodes(const std::string& PathToRead, IntranetReader& reader);

// The keys of a tree, compared without regard to case, deciding which nodes can join it.
class NodeKeys {
  public:
    explicit NodeKeys(const std::vector<std::string>& keys);
    // A node joins below a node already there (a record whose parent key names none, or is
    // empty, is left out), under a key not yet taken; joining takes the key.
    bool join(const IntranetNode& node);

  private:
    std::set<std::string> keys_;  // lowered
};

// The project nodes of a whole intranet, level by level: the projects of `PathToRead`, then
// those of every folder the previous level added, until a level adds nothing. Only nodes that
// can join (`keys`) are kept; every folder is read once, so records naming their own folder or
// one above it cannot make the tree grow for ever.
std::vector<IntranetNode> projectLevels(const std::string& PathToRead, NodeKeys& keys);
std::vector<IntranetNode> projectLevels(const std::string& PathToRead, NodeKeys& keys,
                                        IntranetReader& reader);

}  // namespace varmio
