#include "intranet_reader.h"

#include "platform/steps.h"

namespace varmio {

namespace {

// The lines of every record in `folder` matching `pattern`, each turned into a record value.
template <class Record, class Make>
std::vector<Record> readRecords(IntranetReader& reader, const std::string& folder,
                                std::string_view pattern, Make make) {
    std::vector<Record> records;
    for (const std::string& name : reader.listing(folder).files(pattern))
        tryStep([&] { records.push_back(make(reader.record(folder, name))); });
    return records;
}

}  // namespace

const FolderListing& IntranetReader::listing(const std::string& folder) {
    const std::string key = withFinalSeparator(folder);
    auto found = listings_.find(key);
    if (found == listings_.end()) found = listings_.emplace(key, FolderListing(key)).first;
    return found->second;
}

void IntranetReader::forget(const std::string& folder) {
    listings_.erase(withFinalSeparator(folder));
}

const std::vector<std::string>& IntranetReader::record(const std::string& folder,
                                                       const std::string& name) {
    const std::string path = withFinalSeparator(folder) + name;
    auto found = records_.find(path);
    if (found == records_.end()) found = records_.emplace(path, readRecord(path)).first;
    return found->second;
}

std::vector<ProjectRecord> IntranetReader::projectRecords(const std::string& folder) {
    return readRecords<ProjectRecord>(*this, folder, "*.FNI", [](const auto& lines) {
        return ProjectRecord{lines[0], lines[1], lines[2], lines[3]};
    });
}

std::vector<DocumentRecord> IntranetReader::documentRecords(const std::string& folder) {
    return readRecords<DocumentRecord>(*this, folder, "*.DNI", [](const auto& lines) {
        return DocumentRecord{lines[0], lines[1], lines[2], lines[3]};
    });
}

}  // namespace varmio
