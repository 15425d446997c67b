#include "file_rows.h"

#include "controls.h"

namespace varmio {

std::vector<FileRow> fileRows(const ListView& lvwFiles) {
    std::vector<FileRow> rows;
    rows.reserve(lvwFiles.rows.size());
    for (const ListItem& row : lvwFiles.rows)
        rows.push_back({row.text, row.subItem(1), row.subItem(2)});
    return rows;
}

}  // namespace varmio
