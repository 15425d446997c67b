#include "intranet_records.h"

#include "confined_path.h"
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

// The lines of every record in `folder` matching `pattern`, each turned into a record value.
template <class Record, class Make>
std::vector<Record> readRecords(const std::string& folder, std::string_view pattern, Make make) {
    std::vector<Record> records;
    const std::string from = withFinalSeparator(folder);
    for (const std::string& name : listFiles(from, pattern))
        tryStep([&] { records.push_back(make(readRecord(from + name))); });
    return records;
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

std::string findRecord(const std::string& path) {
    if (fileExists(path)) return path;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::vector<std::string> found = listFiles(folder, path.substr(slash + 1));
    return found.empty() ? path : folder + "/" + found.front();
}

std::vector<std::string> readRecord(const std::string& file) {
    std::vector<std::string> lines = readLines(findRecord(file));
    if (lines.size() < 4) throw RuntimeError(errnum::kInputPastEnd, "Input past end of file");
    lines.resize(4);
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
    return readRecords<ProjectRecord>(folder, "*.FNI", [](std::vector<std::string> lines) {
        return ProjectRecord{lines[0], lines[1], lines[2], lines[3]};
    });
}

std::vector<DocumentRecord> readDocumentRecords(const std::string& folder) {
    return readRecords<DocumentRecord>(folder, "*.DNI", [](std::vector<std::string> lines) {
        return DocumentRecord{lines[0], lines[1], lines[2], lines[3]};
    });
}

}  // namespace varmio
