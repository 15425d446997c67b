#pragma once

#include <string>
#include <vector>

#include "page/file_row.h"

namespace varmio {

// The language texts around a send report line's numbers (their spacing included).
struct SendReportTexts {
    std::string bytes;    // "BYTES"
    std::string created;  // "CREATED"
};

// What every delivery page shows before sending: one line per file row, marked or not, with its
// path, length and time stamp, ended by CR LF. Throws RuntimeError 53 for a missing file.
std::string sendReport(const std::vector<FileRow>& rows, const SendReportTexts& texts);

}  // namespace varmio
