#include "intranet_records.h"

#include <cerrno>
#include <optional>

#include "confined_path.h"
#include "intranet_reader.h"
#include "platform/basic_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/steps.h"

namespace varmio {

namespace {

std::string randomLetters(Random& random, int count, int spread, int base) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += static_cast<char>(roundHalfEven(random.Rnd() * spread + base));
    return out;
}

}  // namespace

std::string projectFolderName(Random& random) {
    return lcase(randomLetters(random, 20, 15, 65));
}

std::string documentFolderName(Random& random) {
    return lcase(randomLetters(random, 8, 20, 65));
}

std::string projectUniqueKey(Random& random, const std::string& name) {
    return "uniquekey:" + name + "!" + randomLetters(random, 50, 20, 64);
}

namespace {

// The record file of that name in its folder in another case; "" when there is none.
std::string recordInOtherCase(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::vector<std::string> found = filesNamed(folder, path.substr(slash + 1));
    return found.empty() ? std::string() : folder + "/" + found.front();
}

}  // namespace

std::string findRecord(const std::string& path) {
    if (fileExists(path)) return path;
    const std::string found = recordInOtherCase(path);
    return found.empty() ? path : found;
}

std::vector<std::string> readRecord(const std::string& file) {
    // Records are read far more often than missing, so the read comes first and the search for
    // the name in another case only when it fails.
    constexpr size_t kLines = 4;
    std::string path = file;
    std::optional<std::string> text = readFileStart(path, kLines);
    if ((!text || text->empty()) && !fileExists(path)) {
        const std::string found = recordInOtherCase(path);
        if (!found.empty()) text = readFileStart(path = found, kLines);
    }
    if (!text) throwFileError(fileExists(path) ? EACCES : ENOENT, path);
    std::vector<std::string> lines = textLines(*text);
    if (lines.size() < kLines) throw RuntimeError(errnum::kInputPastEnd, "Input past end of file");
    lines.resize(kLines);
    return lines;
}

std::string recordText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

void writeRecord(const std::string& root, const std::string& file,
                 const std::vector<std::string>& lines) {
    writeFileAtomically(confinedPath(root, file), recordText(lines));
}

std::vector<ProjectRecord> readProjectRecords(const std::string& folder) {
    return IntranetReader().projectRecords(folder);
}

std::vector<DocumentRecord> readDocumentRecords(const std::string& folder) {
    return IntranetReader().documentRecords(folder);
}

}  // namespace varmio
