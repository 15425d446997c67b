#include "intranet_nodes.h"

#include <cstdint>
#include <utility>

#include "intranet_reader.h"
#include "intranet_records.h"
#include "platform/basic_text.h"
#include "platform/files.h"

namespace varmio {

bool isFolderImage(int image) {
    return image == intranet_image::kProject || image == intranet_image::kRoot ||
           image == intranet_image::kProjectRead;
}

std::vector<IntranetNode> projectNodes(const std::string& PathToRead) {
    IntranetReader reader;
    return projectNodes(PathToRead, reader);
}

std::vector<IntranetNode> projectNodes(const std::string& PathToRead, IntranetReader& reader) {
    const std::string folder = withFinalSeparator(PathToRead);
    std::vector<IntranetNode> nodes;
    for (const ProjectRecord& record : reader.projectRecords(folder))
        nodes.push_back({record.key, record.parentKey, record.name, folder + record.folder,
                         intranet_image::kProject});
    return nodes;
}

std::vector<IntranetNode> documentNodes(const std::string& PathToRead) {
    IntranetReader reader;
    return documentNodes(PathToRead, reader);
}

std::vector<IntranetNode> documentNodes(const std::string& PathToRead, IntranetReader& reader) {
    std::vector<IntranetNode> nodes;
    for (const DocumentRecord& record : reader.documentRecords(PathToRead))
        nodes.push_back({"", record.ownerKey, record.title, record.folder + "/" + record.mainFile,
                         intranet_image::kDocument, true});
    return nodes;
}

NodeKeys::NodeKeys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys)
        if (!key.empty()) keys_.insert(lcase(key));
}

bool NodeKeys::join(const IntranetNode& node) {
    const std::string key = lcase(node.key);
    if (node.parentKey.empty() || !keys_.contains(lcase(node.parentKey))) return false;
    if (key.empty()) return true;
    return keys_.insert(key).second;
}

std::vector<IntranetNode> projectLevels(const std::string& PathToRead, NodeKeys& keys) {
    IntranetReader reader;
    return projectLevels(PathToRead, keys, reader);
}

std::vector<IntranetNode> projectLevels(const std::string& PathToRead, NodeKeys& keys,
                                        IntranetReader& reader) {
    std::vector<IntranetNode> nodes;
    // A folder is known by its device and inode, whatever path names it; one that cannot be
    // opened holds no records.
    std::set<std::pair<std::uint64_t, std::uint64_t>> foldersRead;
    auto readOnce = [&](const std::string& folder) {
        const FolderListing& listing = reader.listing(folder);
        if (!listing.opened() || !foldersRead.insert(listing.identity()).second) return;
        for (IntranetNode& node : projectNodes(folder, reader))
            if (keys.join(node)) nodes.push_back(std::move(node));
    };
    readOnce(withFinalSeparator(PathToRead));
    for (size_t level = 0; level < nodes.size();) {
        const size_t next = nodes.size();
        for (size_t i = level; i < next; ++i)
            readOnce(std::string(nodes[i].tag));
        level = next;
    }
    return nodes;
}

}  // namespace varmio
