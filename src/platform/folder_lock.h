#pragma once

#include <chrono>
#include <string>

namespace varmio {

// An advisory lock on a folder, shared by every process that takes one on the same folder:
// two wizards publishing into one intranet take turns, so each one's index pages see the
// other's documents. The lock sits on the folder itself; no lock file is left in it.
// Waiting is bounded: a holder that hangs delays the next one by `patience` at the most,
// after which the work goes on unlocked rather than never.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder,
                        std::chrono::milliseconds patience = std::chrono::seconds(30));
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return held_; }

  private:
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace varmio
