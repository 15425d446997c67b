#pragma once

#include <string>

namespace varmio {

// The number of pages of a PDF file; 0 when Poppler cannot read it (damaged, locked, no PDF).
int pdfPageCount(const std::string& file);

struct RenderResult {
    std::string error;           // "" when every page was written
    bool documentFault = false;  // the document itself is at fault, not the disk
};

// Renders pages 1 to `pages` of `pdf` as 001.png, 002.png, ... into `folder` at `dpi`, on up to
// `threads` threads (0: one per core), each with its own copy of the document since a Poppler
// document is not to be shared between threads. On failure some images may be written: the
// caller owns the folder and clears it.
RenderResult renderPageImages(const std::string& pdf, int pages, int dpi, const std::string& folder,
                              int threads = 0);

}  // namespace varmio
