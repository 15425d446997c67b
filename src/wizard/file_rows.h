#pragma once

#include <vector>

#include "page/file_row.h"

namespace varmio {

class ListView;

// The rows of the file list lvwFiles as plain values: column 1 the folder, 2 the name, 3 the mark.
std::vector<FileRow> fileRows(const ListView& lvwFiles);

}  // namespace varmio
