// The intranet tree as the records give it, level by level.
#include "intranet/intranet_nodes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace varmio {
namespace {

void put(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> texts(const std::vector<IntranetNode>& nodes) {
    std::vector<std::string> out;
    for (const IntranetNode& node : nodes)
        out.push_back(node.text);
    return out;
}

TEST(IntranetTree, ARecordNamingItsOwnFolderIsReadOnce) {
    const TempDir dir;
    // No key and no folder: the project's folder is the folder the record lies in.
    put(dir.path() / "loop.FNI", "\r\nLoop\r\nroot\r\n\r\n");
    put(dir.path() / "dot.FNI", "uniquekey:Dot!X\r\nDot\r\nroot\r\n.\r\n");
    NodeKeys keys({"root"});
    EXPECT_EQ(texts(projectLevels(dir.path().string(), keys)),
              (std::vector<std::string>{"Dot", "Loop"}));
}

}  // namespace
}  // namespace varmio
