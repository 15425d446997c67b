#include "value_format.h"

#include <array>
#include <cstdio>

#include "platform/basic_text.h"

namespace varmio {
namespace {

constexpr ValueType kRegDwordBigEndian = 5;

constexpr std::array<std::string_view, 12> kTypeNames = {"REG_NONE",
                                                         "REG_SZ",
                                                         "REG_EXPAND_SZ",
                                                         "REG_BINARY",
                                                         "REG_DWORD",
                                                         "REG_DWORD_BIG_ENDIAN",
                                                         "REG_LINK",
                                                         "REG_MULTI_SZ",
                                                         "REG_RESOURCE_LIST",
                                                         "REG_FULL_RESOURCE_DESCRIPTOR",
                                                         "REG_RESOURCE_REQUIREMENTS_LIST",
                                                         "REG_QWORD"};

std::string hexText(unsigned long long number) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", number);
    return text;
}

unsigned long long littleEndian(std::string_view bytes) {
    unsigned long long number = 0;
    for (auto i = bytes.size(); i-- > 0;)
        number = number << 8 | static_cast<unsigned char>(bytes[i]);
    return number;
}

std::string littleEndianBytes(unsigned long long number, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i, number >>= 8)
        bytes += static_cast<char>(number & 0xFF);
    return bytes;
}

std::string withoutTrailingNul(std::string_view data) {
    if (!data.empty() && data.back() == '\0') data.remove_suffix(1);
    return std::string(data);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decimal, or hexadecimal after "0x", no larger than `limit`.
std::optional<unsigned long long> parseNumber(std::string_view text, unsigned long long limit) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 20) return std::nullopt;
    unsigned long long number = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        if (number > (limit - static_cast<unsigned>(digit)) / static_cast<unsigned>(base)) {
            return std::nullopt;
        }
        number = number * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    return number;
}

}  // namespace

std::string typeName(ValueType type) {
    return type < kTypeNames.size() ? std::string(kTypeNames[type]) : hexText(type);
}

std::optional<ValueType> parseTypeName(std::string_view name) {
    for (ValueType type = 0; type < kTypeNames.size(); ++type)
        if (equalsNoCase(name, kTypeNames[type])) return type;
    return std::nullopt;
}

std::string displayData(ValueType type, std::string_view data) {
    switch (type) {
        case kRegSz:
        case kRegExpandSz:
            return withoutTrailingNul(data);
        case kRegMultiSz: {
            while (!data.empty() && data.back() == '\0')
                data.remove_suffix(1);
            std::string shown;
            for (const char c : data)
                shown += c == '\0' ? std::string("\\0") : std::string(1, c);
            return shown;
        }
        case kRegDword:
            if (data.size() == 4) return hexText(littleEndian(data));
            break;
        case kRegDwordBigEndian:
            if (data.size() == 4)
                return hexText(littleEndian(std::string(data.rbegin(), data.rend())));
            break;
        case kRegQword:
            if (data.size() == 8) return hexText(littleEndian(data));
            break;
    }
    std::string digits;
    for (const char c : data) {
        digits += "0123456789ABCDEF"[static_cast<unsigned char>(c) >> 4];
        digits += "0123456789ABCDEF"[c & 0x0F];
    }
    return digits;
}

std::optional<std::string> encodeData(ValueType type, std::string_view text, char separator) {
    switch (type) {
        case kRegSz:
        case kRegExpandSz:
            return std::string(text) + '\0';
        case kRegMultiSz: {
            // Without a separator character the items are split at the two characters "\0".
            const std::string_view cut = separator ? std::string_view(&separator, 1) : "\\0";
            std::string data;
            while (!text.empty()) {
                const auto end = text.find(cut);
                data += std::string(text.substr(0, end)) + '\0';
                if (end == std::string_view::npos) break;
                text.remove_prefix(end + cut.size());
            }
            return data + '\0';
        }
        case kRegDword:
            if (auto number = parseNumber(text, 0xFFFFFFFFull))
                return littleEndianBytes(*number, 4);
            return std::nullopt;
        case kRegQword:
            if (auto number = parseNumber(text, ~0ull)) return littleEndianBytes(*number, 8);
            return std::nullopt;
        default: {
            if (text.size() % 2 != 0) return std::nullopt;
            std::string data;
            for (std::size_t i = 0; i < text.size(); i += 2) {
                const int high = hexDigit(text[i]);
                const int low = hexDigit(text[i + 1]);
                if (high < 0 || low < 0) return std::nullopt;
                data += static_cast<char>(high << 4 | low);
            }
            return data;
        }
    }
}

}  // namespace varmio
