#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "intranet_records.h"
#include "platform/files.h"

namespace varmio {

// Reads each folder listing and record of an intranet once, for work that reads them more than
// once in a row: the index pages and the tree read right after them share one reader. It does
// not see records written after it read their folder, so it lives no longer than such a run.
class IntranetReader {
  public:
    const FolderListing& listing(const std::string& folder);
    // Forgets a folder's listing: its files changed in a way a record pattern might match.
    void forget(const std::string& folder);
    // The four lines of the record file `name` (as `folder`'s listing gives it); throws as
    // readRecord does.
    const std::vector<std::string>& record(const std::string& folder, const std::string& name);

    // The records of a folder in listing order; a record that cannot be read is left out.
    std::vector<ProjectRecord> projectRecords(const std::string& folder);
    std::vector<DocumentRecord> documentRecords(const std::string& folder);

  private:
    std::unordered_map<std::string, FolderListing> listings_;            // by folder with separator
    std::unordered_map<std::string, std::vector<std::string>> records_;  // by path
};

}  // namespace varmio
