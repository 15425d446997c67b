// The intranet tree as the records give it, level by level.
#include "intranet/intranet_nodes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace varmio {
namespace {

std::vector<std::string> texts(const std::vector<IntranetNode>& nodes) {
    std::vector<std::string> out;
    for (const IntranetNode& node : nodes)
        out.push_back(node.text);
    return out;
}

TEST(IntranetTree, ARecordNamingItsOwnFolderIsReadOnce) {
    const TempDir dir;
    // No key and no folder: the project's folder is the folder the record lies in.
    writeFile(dir.path() / "loop.FNI", "\r\nLoop\r\nroot\r\n\r\n");
    writeFile(dir.path() / "dot.FNI", "uniquekey:Dot!X\r\nDot\r\nroot\r\n.\r\n");
    NodeKeys keys({"root"});
    EXPECT_EQ(texts(projectLevels(dir.path().string(), keys)),
              (std::vector<std::string>{"Dot", "Loop"}));
}

TEST(IntranetTree, RecordsWhoseParentIsNoNodeAreLeftOut) {
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / "a");
    writeFile(dir.path() / "a.FNI", "uniquekey:A!X\r\nA\r\nROOT\r\na\r\n");
    writeFile(dir.path() / "a" / "b.FNI", "uniquekey:B!X\r\nB\r\nUNIQUEKEY:A!X\r\nb\r\n");
    writeFile(dir.path() / "c.FNI", "uniquekey:C!X\r\nC\r\nuniquekey:D!X\r\nc\r\n");
    writeFile(dir.path() / "d.FNI", "uniquekey:D!X\r\nD\r\nuniquekey:C!X\r\nd\r\n");
    writeFile(dir.path() / "e.FNI", "uniquekey:E!X\r\nNo parent\r\n\r\ne\r\n");
    writeFile(dir.path() / "f.FNI", "uniquekey:A!X\r\nKey taken\r\nroot\r\nf\r\n");
    NodeKeys keys({"root"});
    EXPECT_EQ(texts(projectLevels(dir.path().string(), keys)),
              (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace varmio
