#include "intranet_maker.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unordered_map>

namespace varmio::bench {

namespace {

// `count` letters a-p spelling `number`, as the wizard's folder names use.
std::string letters(int number, int count) {
    std::string out(static_cast<size_t>(count), 'a');
    for (int i = count - 1; i >= 0 && number > 0; --i, number /= 16)
        out[static_cast<size_t>(i)] = static_cast<char>('a' + number % 16);
    return out;
}

void writeRecord(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines)
        out << line << "\r\n";
    if (!out) throw std::runtime_error("cannot write " + path);
}

void makeDocuments(const std::string& folder, const std::string& ownerKey, int count, int serial) {
    for (int d = 0; d < count; ++d) {
        const std::string name = letters(serial * 16 + d, 8);
        std::filesystem::create_directory(folder + "/" + name);
        std::ofstream(folder + "/" + name + "/report.htm") << "<HTML></HTML>";
        writeRecord(folder + "/" + name + ".dni", {"Document " + std::to_string(d + 1), ownerKey,
                                                   folder + "/" + name, "report.htm"});
    }
    std::ofstream(folder + "/index.html") << "<HTML></HTML>";
}

bool endsWithNoCase(const std::string& name, std::string_view suffix) {
    if (name.size() < suffix.size()) return false;
    for (size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[name.size() - suffix.size() + i])) !=
            suffix[i])
            return false;
    return true;
}

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::vector<std::string> recordsIn(const std::string& folder, std::string_view suffix) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (!endsWithNoCase(name, suffix)) continue;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            if (::stat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        } else if (entry->d_type != DT_REG) {
            continue;
        }
        names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return names;
}

std::vector<std::string> recordLines(const std::string& path) {
    std::vector<std::string> lines;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return lines;
    char buf[4096];
    const ssize_t got = ::read(fd, buf, sizeof buf);
    ::close(fd);
    std::string current;
    for (ssize_t i = 0; i < got && lines.size() < 4; ++i) {
        if (buf[i] == '\r') {
            lines.push_back(std::move(current));
            current.clear();
            if (i + 1 < got && buf[i + 1] == '\n') ++i;
        } else {
            current += buf[i];
        }
    }
    return lines;
}

void makeIntranet(const std::string& root, const IntranetShape& shape) {
    if (!std::filesystem::create_directory(root)) throw std::runtime_error("exists: " + root);
    const int top = std::max(1, shape.projects / 10);
    std::vector<std::string> folders, keys;
    for (int p = 0; p < shape.projects; ++p) {
        const int parent = p < top ? -1 : (p - top) / 4;
        const std::string parentFolder = parent < 0 ? root : folders[static_cast<size_t>(parent)];
        const std::string name = letters(p, 20);
        const std::string key = "uniquekey:Project " + std::to_string(p) + "!" + letters(p, 50);
        folders.push_back(parentFolder + "/" + name);
        keys.push_back(key);
        std::filesystem::create_directory(folders.back());
        writeRecord(parentFolder + "/" + name + ".FNI", {key, "Project " + std::to_string(p),
                                                         parent < 0 ? "root" : keys[parent], name});
        makeDocuments(folders.back(), key, shape.documentsPerProject, p + 1);
    }
    makeDocuments(root, "root", shape.documentsPerProject, 0);
}

std::vector<PlainNode> readIntranetPlainly(const std::string& root) {
    std::vector<PlainNode> nodes;
    std::unordered_map<std::string, int> byKey;
    std::deque<std::string> folders{root};
    auto parentOf = [&](const std::string& key) {
        if (key == "root") return -1;
        auto found = byKey.find(lower(key));
        return found == byKey.end() ? -2 : found->second;
    };
    while (!folders.empty()) {
        const std::string folder = folders.front();
        folders.pop_front();
        for (const std::string& name : recordsIn(folder, ".fni")) {
            std::vector<std::string> lines = recordLines(folder + "/" + name);
            if (lines.size() < 4) continue;
            const int parent = parentOf(lines[2]);
            if (parent == -2 || !byKey.emplace(lower(lines[0]), nodes.size()).second) continue;
            nodes.push_back({lines[0], lines[1], folder + "/" + lines[3], parent});
            folders.push_back(nodes.back().tag);
        }
    }
    for (const std::string& name : recordsIn(root, ".dni")) {
        std::vector<std::string> lines = recordLines(root + "/" + name);
        if (lines.size() < 4) continue;
        const int parent = parentOf(lines[1]);
        if (parent != -2) nodes.push_back({"", lines[0], lines[2] + "/" + lines[3], parent});
    }
    return nodes;
}

}  // namespace varmio::bench
