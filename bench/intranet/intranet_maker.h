#pragma once

#include <string>
#include <string_view>
#include <vector>

// An intranet on disk for the benchmarks, and the plain reading of it that the wizard's tree
// load is measured against.
namespace varmio::bench {

struct IntranetShape {
    int projects = 1000;
    int documentsPerProject = 10;
};

// Writes an intranet below `root` (which must not exist yet): a tenth of the projects sit below
// the root, the rest four to a parent, so the tree is three to four levels deep; every project
// and the root hold `documentsPerProject` documents (record, folder and main page) and an
// index page.
void makeIntranet(const std::string& root, const IntranetShape& shape);

struct PlainNode {
    std::string key;
    std::string text;
    std::string tag;
    int parent = -1;  // index into the list, -1 below the root
};

// The floor of a tree load: the project records read breadth first with readdir and read(2)
// into a vector with a hash index on the key, then the root's document records.
std::vector<PlainNode> readIntranetPlainly(const std::string& root);

// The plain pieces of those floors: the names of the regular files in `folder` ending in
// `suffix` (lower case) in name order, read with readdir; the first four lines of a record
// (CR or CR LF ends a line) read with one read(2), fewer when it is short.
std::vector<std::string> recordsIn(const std::string& folder, std::string_view suffix);
std::vector<std::string> recordLines(const std::string& path);

}  // namespace varmio::bench
