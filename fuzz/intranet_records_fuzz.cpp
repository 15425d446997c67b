// Intranet records (.FNI, .dni) as anyone who can write to the shared folder may leave them:
// each input, written as both records, is read into tree nodes, and every path a removal would
// take from a node must pass the confinement rule only when it really lies inside the intranet.
// "$ROOT" in an input stands for the intranet folder, whose name changes from run to run.
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "intranet/confined_path.h"
#include "intranet/intranet_disk.h"
#include "intranet/intranet_nodes.h"
#include "platform/errors.h"

using varmio::fuzz::check;

namespace {

std::string realPath(const std::string& path) {
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

// base/root: the intranet, with links inside it to base/outside and the root's parent.
struct Intranet {
    std::filesystem::path base;
    std::string root;
    std::string resolvedRoot;
    std::optional<varmio::ConfinedRoot> confined;

    Intranet() {
        std::string pattern = std::filesystem::temp_directory_path() / "varmio-fuzz-XXXXXX";
        check(::mkdtemp(pattern.data()) != nullptr, "a temporary folder can be made");
        base = pattern;
        root = base / "root";
        std::filesystem::create_directories(base / "root" / "proj");
        std::filesystem::create_directories(base / "outside");
        std::filesystem::create_directory_symlink("../outside", base / "root" / "out");
        std::filesystem::create_directory_symlink("..", base / "root" / "proj" / "up");
        std::filesystem::create_directory_symlink(base / "outside", base / "root" / "abs");
        resolvedRoot = realPath(root);
        confined.emplace(root);
    }
    ~Intranet() {
        std::error_code ignored;
        std::filesystem::remove_all(base, ignored);
    }

    void write(const std::string& name, std::string_view bytes) const {
        std::ofstream(base / "root" / name, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // What the rule accepts lies below the root, also with every link followed.
    void checkConfined(const std::string& path) const {
        std::string inside;
        try {
            inside = confined->path(path);
        } catch (const varmio::RuntimeError&) {
            return;
        }
        check(inside.starts_with(resolvedRoot + "/") && inside.size() > resolvedRoot.size() + 1,
              "a confined path lies below the root");
        // The deepest part that exists, found from the root down.
        std::string existing = resolvedRoot;
        for (size_t end = existing.size(); end < inside.size();) {
            end = std::min(inside.find('/', end + 1), inside.size());
            if (::access(inside.substr(0, end).c_str(), F_OK) != 0) break;
            existing = inside.substr(0, end);
        }
        const std::string resolved = realPath(existing);
        check(resolved == resolvedRoot || resolved.starts_with(resolvedRoot + "/"),
              "no link inside a confined path leads out of the root");
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Intranet intranet;
    std::string record(reinterpret_cast<const char*>(data), size);
    for (std::size_t at = 0; (at = record.find("$ROOT", at)) != std::string::npos;) {
        record.replace(at, 5, intranet.root);
        at += intranet.root.size();
    }
    intranet.write("rec.FNI", record);
    intranet.write("rec.dni", record);

    varmio::NodeKeys keys({"root"});
    for (const varmio::IntranetNode& node : varmio::projectNodes(intranet.root)) {
        check(node.tag.starts_with(intranet.root + "/"), "a project lies in its record's folder");
        const bool joined = keys.join(node);
        if (node.parentKey.empty()) check(!joined, "a record without a parent is left out");
        if (joined && !node.key.empty()) check(!keys.join(node), "a key is taken once");
        intranet.checkConfined(node.tag);
        intranet.checkConfined(node.tag + ".FNI");
        intranet.checkConfined(node.tag + "/page.htm");
    }
    for (const varmio::IntranetNode& node : varmio::documentNodes(intranet.root)) {
        const std::string folder = varmio::documentFolderOf(node.tag);
        intranet.checkConfined(folder);
        intranet.checkConfined(folder + ".dni");
        intranet.checkConfined(node.tag);
    }
    return 0;
}
