#include "transfer_progress.h"

#include <cstdio>
#include <vector>

namespace varmio {

namespace {

std::string megabytes(std::uint64_t bytes, const std::string& separator) {
    const std::uint64_t tenths = (bytes * 10 + (1 << 19)) >> 20;
    return std::to_string(tenths / 10) + separator + std::to_string(tenths % 10);
}

}  // namespace

std::string fillIn(std::string_view text, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> args(arguments);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string progressText(const ProgressTexts& texts, size_t file, size_t files,
                         std::string_view name, std::uint64_t bytes, std::uint64_t total) {
    const std::string sent = megabytes(bytes, texts.decimalSeparator);
    std::string line = fillIn(
        texts.bytes, {sent, megabytes(total > bytes ? total : bytes, texts.decimalSeparator)});
    if (files == 0) return line;
    return fillIn(texts.file, {std::to_string(file), std::to_string(files), name}) + "\n" + line;
}

}  // namespace varmio
