#include "platform/files.h"
#include "wizard/delivery/channels.h"
#include "wizard/wizard_window.h"

namespace varmio {

std::string sendReport(const WizardWindow& w) {
    std::string report;
    for (const ListItem& row : w.lvwFiles.rows) {
        const std::string full = row.text + row.subItem(1);
        long long size = fileLength(full);
        report += full + " - " + std::to_string(size) + w.GetText("BYTES") + " - " +
                  w.GetText("CREATED") + fileDateTime(full) + "\r\n";
    }
    return report;
}

}  // namespace varmio
