#pragma once

#include <string>

#include "page/file_row.h"

namespace varmio {

// The language texts around a send report line's numbers (their spacing included).
struct SendReportTexts {
    std::string bytes;    // "BYTES"
    std::string created;  // "CREATED"
};

// A line of what every delivery page shows before sending, one for each file row, marked or not:
// its path, length and time stamp, ended by CR LF. Throws RuntimeError 53 for a missing file.
std::string sendReportLine(const FileRow& row, const SendReportTexts& texts);

}  // namespace varmio
