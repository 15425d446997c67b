#include "send_report.h"

#include "platform/files.h"

namespace varmio {

std::string sendReportLine(const FileRow& row, const SendReportTexts& texts) {
    const std::string full = row.path();
    return full + " - " + std::to_string(fileLength(full)) + texts.bytes + " - " + texts.created +
           fileDateTime(full) + "\r\n";
}

}  // namespace varmio
