#include "intranet_list.h"

#include "platform/basic_text.h"

namespace varmio {

namespace {
constexpr char kFieldEnd = '\xFE';
constexpr char kRecordEnd = '\xFF';
}  // namespace

std::vector<IntranetEntry> parseIntranetList(std::string_view stored) {
    std::vector<IntranetEntry> entries;
    for (const std::string& record : splitList(stored, kRecordEnd)) {
        auto fields = splitList(record, kFieldEnd);
        fields.resize(3);
        entries.push_back({fields[0], fields[1], fields[2]});
    }
    return entries;
}

}  // namespace varmio
