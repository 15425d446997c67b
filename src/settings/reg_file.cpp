#include "settings/reg_file.h"

#include <array>
#include <cstdint>

#include "platform/basic_text.h"

namespace varmio {
namespace {

constexpr std::string_view kRegedit4Header = "REGEDIT4";
constexpr std::string_view kRegedit5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kLineEnd = "\r\n";
// regedit keeps hex lines within 80 columns, the continuation backslash included.
constexpr std::size_t kHexLineWidth = 80;

struct RootName {
    std::string_view full;
    std::string_view abbreviation;
};
constexpr std::array<RootName, 5> kRoots = {{{"HKEY_LOCAL_MACHINE", "HKLM"},
                                             {"HKEY_CURRENT_USER", "HKCU"},
                                             {"HKEY_CLASSES_ROOT", "HKCR"},
                                             {"HKEY_USERS", "HKU"},
                                             {"HKEY_CURRENT_CONFIG", "HKCC"}}};

// A line that is skipped, and why.
struct Malformed {
    std::string reason;
};

bool consumeIgnoringCase(std::string_view& text, std::string_view prefix) {
    if (!equalsNoCase(text.substr(0, prefix.size()), prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Without the blanks, tabs and CRs around it (the CR of a CR LF line end among them).
std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = lowerChar(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

void appendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// regedit writes its version 5 files in UTF-16LE.
std::string fromUtf16le(std::string_view bytes) {
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
    };
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t point = unitAt(i);
        if (point >= 0xD800 && point < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                point = 0x10000 + ((point - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(text, point >= 0xD800 && point < 0xE000 ? 0xFFFD : point);
    }
    return text;
}

std::string decode(std::string_view content) {
    if (content.substr(0, 3) == "\xEF\xBB\xBF") return std::string(content.substr(3));
    if (content.substr(0, 2) == "\xFF\xFE") return fromUtf16le(content.substr(2));
    return std::string(content);
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

// A quoted string at the start of `text`, with \\ and \" unescaped; `text` moves past it. Any
// other backslash is kept, as hand-written files put single backslashes in paths.
std::string takeQuoted(std::string_view& text) {
    std::string result;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return result;
        }
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            ++i;
        }
        result += text[i];
    }
    throw Malformed{"missing closing quote"};
}

std::uint32_t parseHexNumber(std::string_view digits, const char* what) {
    if (digits.empty() || digits.size() > 8) throw Malformed{std::string("bad ") + what};
    std::uint32_t number = 0;
    for (const char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0) throw Malformed{std::string("bad ") + what};
        number = number << 4 | static_cast<std::uint32_t>(digit);
    }
    return number;
}

// "hex:" or "hex(N):" followed by comma-separated bytes; `text` starts after "hex".
void parseHexData(std::string_view text, RegEdit& edit) {
    edit.type = kRegBinary;
    if (!text.empty() && text.front() == '(') {
        const auto close = text.find(')');
        if (close == std::string_view::npos) throw Malformed{"missing ) after hex("};
        edit.type = parseHexNumber(text.substr(1, close - 1), "hex type");
        text.remove_prefix(close + 1);
    }
    if (text.empty() || text.front() != ':') throw Malformed{"missing : after hex"};
    text = trimBlanks(text.substr(1));
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto item = trimBlanks(text.substr(0, comma));
        if (item.size() > 2) throw Malformed{"bad hex byte"};
        edit.data += static_cast<char>(parseHexNumber(item, "hex byte"));
        if (comma == std::string_view::npos) break;
        text = trimBlanks(text.substr(comma + 1));  // a trailing comma is allowed
    }
}

RegEdit keySection(std::string_view line) {
    if (line.back() != ']') throw Malformed{"missing ] after the key"};
    auto inner = line.substr(1, line.size() - 2);
    RegEdit edit;
    if (!inner.empty() && inner.front() == '-') {
        edit.kind = RegEdit::Kind::DeleteKey;
        inner.remove_prefix(1);
    }
    const auto path = fullKeyPath(inner);
    if (!path) throw Malformed{"bad key path (unknown root or empty part)"};
    edit.keyPath = *path;
    return edit;
}

// One value line; hex data may continue over the following lines, each ending in a backslash
// but the last, and `index` then moves to the last line used.
RegEdit valueLine(const std::string& keyPath, const std::vector<std::string_view>& lines,
                  std::size_t& index) {
    std::string_view text = trimBlanks(lines[index]);
    RegEdit edit;
    edit.kind = RegEdit::Kind::SetValue;
    edit.keyPath = keyPath;
    if (text.front() == '@') {
        text.remove_prefix(1);
    } else if (text.front() == '"') {
        edit.name = takeQuoted(text);
    } else {
        throw Malformed{"expected a quoted value name or @"};
    }
    text = trimBlanks(text);
    if (text.empty() || text.front() != '=') throw Malformed{"missing = after the value name"};
    text = trimBlanks(text.substr(1));

    if (text == "-") {
        edit.kind = RegEdit::Kind::DeleteValue;
    } else if (!text.empty() && text.front() == '"') {
        edit.type = kRegSz;
        edit.data = takeQuoted(text) + '\0';
        if (!trimBlanks(text).empty()) throw Malformed{"text after the closing quote"};
    } else if (consumeIgnoringCase(text, "dword:")) {
        const std::uint32_t number = parseHexNumber(text, "dword");
        edit.type = kRegDword;
        for (int shift = 0; shift < 32; shift += 8)
            edit.data += static_cast<char>(number >> shift);
    } else if (consumeIgnoringCase(text, "hex")) {
        std::string joined(text);
        while (!joined.empty() && joined.back() == '\\' && index + 1 < lines.size()) {
            joined.pop_back();
            joined += trimBlanks(lines[++index]);
        }
        parseHexData(joined, edit);
    } else {
        throw Malformed{"unrecognised value data"};
    }
    return edit;
}

// Plain UTF-8 text without control characters survives a quoted string and any text editor.
bool isPlainText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i++]);
        if (lead < 0x20 || lead == 0x7F) return false;
        if (lead < 0x80) continue;
        int extra = 0;
        char32_t point = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            extra = 1, point = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, point = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, point = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        for (; extra > 0; --extra, ++i) {
            if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                return false;
            }
            point = point << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
        }
        if (point < least || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) {
            return false;
        }
    }
    return true;
}

std::string regString(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') result += '\\';
        result += c;
    }
    return result + '"';
}

std::string hexByte(unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string hexNumber(std::uint32_t number, std::size_t minDigits) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[number & 0x0F]);
        number >>= 4;
    } while (number != 0);
    if (digits.size() < minDigits) digits.insert(0, minDigits - digits.size(), '0');
    return digits;
}

void appendHexData(std::string& out, std::string line, std::string_view data) {
    for (std::size_t i = 0; i < data.size(); ++i) {
        const std::string item =
            hexByte(static_cast<unsigned char>(data[i])) + (i + 1 < data.size() ? "," : "");
        if (line.size() + item.size() + 1 > kHexLineWidth) {
            out += line + "\\" + std::string(kLineEnd);
            line = "  ";
        }
        line += item;
    }
    out += line + std::string(kLineEnd);
}

void appendValue(std::string& out, const HiveValue& value) {
    std::string line = (value.name.empty() ? std::string("@") : regString(value.name)) + "=";
    const std::string_view data = value.data;
    if (value.type == kRegSz && !data.empty() && data.back() == '\0' &&
        isPlainText(data.substr(0, data.size() - 1))) {
        out += line + regString(data.substr(0, data.size() - 1)) + std::string(kLineEnd);
    } else if (value.type == kRegDword && data.size() == 4) {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = number << 8 | static_cast<unsigned char>(data[i]);
        out += line + "dword:" + hexNumber(number, 8) + std::string(kLineEnd);
    } else {
        line += value.type == kRegBinary ? "hex:" : "hex(" + hexNumber(value.type, 1) + "):";
        appendHexData(out, line, data);
    }
}

void appendKey(Hive& hive, const std::string& path, std::string& out) {
    out += "[" + path + "]" + std::string(kLineEnd);
    for (const auto& value : hive.values(path))
        appendValue(out, value);
    out += kLineEnd;
    for (const auto& subkey : hive.subkeys(path))
        appendKey(hive, path + "\\" + subkey, out);
}

}  // namespace

std::optional<std::string> fullKeyPath(std::string_view path) {
    const auto cut = path.find('\\');
    const auto root = path.substr(0, cut);
    std::string full;
    for (const auto& name : kRoots) {
        if (equalsNoCase(root, name.full) || equalsNoCase(root, name.abbreviation)) {
            full = name.full;
        }
    }
    if (full.empty()) return std::nullopt;
    if (cut == std::string_view::npos) return full;
    auto rest = path.substr(cut + 1);
    if (!rest.empty() && rest.back() == '\\') rest.remove_suffix(1);
    if (rest.empty()) return full;
    // One trailing backslash is dropped; a second one ends the path in an empty part.
    if (rest.front() == '\\' || rest.back() == '\\' || rest.find("\\\\") != std::string_view::npos)
        return std::nullopt;
    return full + "\\" + std::string(rest);
}

std::optional<RegFile> parseRegFile(std::string_view content) {
    const std::string text = decode(content);
    const auto lines = splitLines(text);
    std::size_t index = 0;
    while (index < lines.size() && trimBlanks(lines[index]).empty())
        ++index;
    if (index == lines.size()) return std::nullopt;
    const auto header = trimBlanks(lines[index]);
    if (header != kRegedit4Header && header != kRegedit5Header) return std::nullopt;

    RegFile file;
    std::optional<std::string> currentKey;
    for (++index; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        const auto line = trimBlanks(lines[index]);
        if (line.empty() || line.front() == ';') continue;
        try {
            if (line.front() == '[') {
                currentKey.reset();  // values after a bad section must not land elsewhere
                auto edit = keySection(line);
                if (edit.kind == RegEdit::Kind::CreateKey) currentKey = edit.keyPath;
                file.edits.push_back(std::move(edit));
            } else if (currentKey) {
                file.edits.push_back(valueLine(*currentKey, lines, index));
            } else {
                throw Malformed{"value outside a key section"};
            }
        } catch (const Malformed& malformed) {
            file.problems.push_back({lineNumber, malformed.reason});
        }
    }
    return file;
}

void applyRegFile(Hive& hive, const RegFile& file) {
    hive.transaction([&] {
        for (const auto& edit : file.edits) {
            switch (edit.kind) {
                case RegEdit::Kind::CreateKey:
                    hive.createKey(edit.keyPath);
                    break;
                case RegEdit::Kind::DeleteKey:
                    hive.deleteKey(edit.keyPath);
                    break;
                case RegEdit::Kind::SetValue:
                    hive.setValue(edit.keyPath, edit.name, edit.type, edit.data);
                    break;
                case RegEdit::Kind::DeleteValue:
                    hive.deleteValue(edit.keyPath, edit.name);
                    break;
            }
        }
    });
}

std::optional<std::string> exportRegFile(Hive& hive, std::string_view keyPath) {
    const auto stored = hive.storedKeyPath(keyPath);
    if (!stored) return std::nullopt;
    std::string out = std::string(kRegedit5Header) + std::string(kLineEnd) + std::string(kLineEnd);
    appendKey(hive, *stored, out);
    return out;
}

}  // namespace varmio
