#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

// The printer spool that the CUPS backend fills and the session agent empties.
//
//   <base>/                 root's, 0755 (default /var/spool/varmio)
//   <base>/<uid>/           the printing user's, 0700: nobody else can read a job
//   <base>/<uid>/<job>/     one job: document.pdf and title
//
// A job folder appears with one rename from ".incoming-<job>" and leaves with one rename to
// ".taken-<job>", so a reader never sees half a job. Job names sort in arrival order.
namespace varmio::spool {

inline constexpr std::string_view kDefaultBase = "/var/spool/varmio";
inline constexpr std::string_view kDocumentFile = "document.pdf";
inline constexpr std::string_view kTitleFile = "title";
inline constexpr std::string_view kIncomingPrefix = ".incoming-";
inline constexpr std::string_view kTakenPrefix = ".taken-";

// The spool base: `configured` (VARMIO_SPOOL, or the path of the queue's device URI) when it
// is an absolute path without "..", else the default.
std::string spoolBase(std::string_view configured);
// The folder of one user's jobs below `base`: named by the user id, never by a name.
std::string userFolder(const std::string& base, uid_t uid);

// The name of a job that arrives now: the arrival time in nanoseconds, fixed width, then the
// CUPS job number (digits only; anything else becomes 0).
std::string newJobName(std::string_view cupsJobId);
bool isJobName(std::string_view name);

// The jobs waiting in a user folder, oldest first; empty when the folder cannot be read.
std::vector<std::string> listJobs(const std::string& folder);
// Takes a job out of the queue (one rename), then deletes its files. False when the job was not
// there to take.
bool removeJob(const std::string& folder, const std::string& job);
// Deletes what interrupted runs left behind: taken jobs, and incoming ones older than a day.
void removeLeftovers(const std::string& folder);

// A job title fit to show: control characters become blanks, runs of blanks shrink to one, the
// ends are trimmed and the text is cut (on a character boundary) after `maxBytes`.
std::string displayTitle(std::string_view raw, size_t maxBytes = 120);

}  // namespace varmio::spool
