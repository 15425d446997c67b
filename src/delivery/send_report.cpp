#include "send_report.h"

#include "platform/files.h"

namespace varmio {

std::string sendReport(const std::vector<FileRow>& rows, const SendReportTexts& texts) {
    std::string report;
    for (const FileRow& row : rows) {
        const std::string full = row.path();
        report += full + " - " + std::to_string(fileLength(full)) + texts.bytes + " - " +
                  texts.created + fileDateTime(full) + "\r\n";
    }
    return report;
}

}  // namespace varmio
