#include "spool.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>

namespace varmio::spool {

namespace {

constexpr size_t kTimeDigits = 19;  // nanoseconds since 1970 until the year 2286
constexpr time_t kIncomingMaxAge = 24 * 60 * 60;

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

}  // namespace

std::string spoolBase(std::string_view configured) {
    const std::string path(configured);
    const bool usable = !path.empty() && path.front() == '/' &&
                        path.find("/../") == std::string::npos && !path.ends_with("/..") &&
                        path.find('\n') == std::string::npos;
    if (!usable) return std::string(kDefaultBase);
    std::string base = path;
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base;
}

std::string userFolder(const std::string& base, uid_t uid) {
    return base + "/" + std::to_string(uid);
}

std::string newJobName(std::string_view cupsJobId) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long nanos = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    char time[32];
    std::snprintf(time, sizeof time, "%0*lld", static_cast<int>(kTimeDigits), nanos);
    const std::string id =
        allDigits(cupsJobId) && cupsJobId.size() < 12 ? std::string(cupsJobId) : std::string("0");
    return std::string(time) + "-" + id;
}

bool isJobName(std::string_view name) {
    return name.size() > kTimeDigits + 1 && name[kTimeDigits] == '-' &&
           allDigits(name.substr(0, kTimeDigits)) && allDigits(name.substr(kTimeDigits + 1));
}

std::vector<std::string> listJobs(const std::string& folder) {
    std::vector<std::string> jobs;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return jobs;
    while (const dirent* entry = ::readdir(dir)) {
        if (isJobName(entry->d_name)) jobs.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    std::sort(jobs.begin(), jobs.end());
    return jobs;
}

bool removeJob(const std::string& folder, const std::string& job) {
    if (!isJobName(job)) return false;
    const std::string taken = folder + "/" + std::string(kTakenPrefix) + job;
    if (std::rename((folder + "/" + job).c_str(), taken.c_str()) != 0) return false;
    removeTree(taken);
    return true;
}

void removeLeftovers(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> doomed;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        const std::string path = folder + "/" + entry->d_name;
        struct stat st {};
        if (name.starts_with(kTakenPrefix)) {
            doomed.push_back(path);
        } else if (name.starts_with(kIncomingPrefix) && ::lstat(path.c_str(), &st) == 0 &&
                   now - st.st_mtime > kIncomingMaxAge) {
            doomed.push_back(path);  // a backend that died mid-job; a live one is never this old
        }
    }
    ::closedir(dir);
    for (const auto& path : doomed)
        removeTree(path);
}

std::string displayTitle(std::string_view raw, size_t maxBytes) {
    std::string text;
    for (char c : raw) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        const char shown = control ? ' ' : c;
        if (shown == ' ' && (text.empty() || text.back() == ' ')) continue;
        text += shown;
    }
    bool cut = false;
    if (text.size() > maxBytes) {
        size_t end = maxBytes;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;  // do not split a UTF-8 sequence
        text.resize(end);
        cut = true;
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return cut ? text + "..." : text;
}

}  // namespace varmio::spool
