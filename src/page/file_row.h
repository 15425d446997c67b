#pragma once

#include <string>

namespace varmio {

// One row of the file list, as the page generator and every delivery channel walk it.
struct FileRow {
    std::string folder;  // ends in a separator; "" for a bare name
    std::string name;
    std::string mark = " ";  // " " travels with the page; "X" stays behind

    std::string path() const { return folder + name; }
    bool excluded() const { return mark == "X"; }
};

}  // namespace varmio
