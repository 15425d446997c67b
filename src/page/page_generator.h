#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "file_row.h"

namespace varmio {

// The maker's web site, linked from the credit line at the foot of every page.
inline constexpr std::string_view kMakerWebSite = "https://www.varmio.com";

struct LinkRow {
    std::string name;
    std::string address;
};

struct FreeText {
    std::string text;
    std::string style;  // a style list entry: a name, then the opening tag ("Bold <B>")
};

// Everything the page is made of.
struct PageInput {
    std::string pageFile;  // where the page is written; a file row naming it is never listed
    std::string title;
    std::string keywords;
    std::string headerFile;         // copied line by line instead of the title heading; "" for none
    std::string footerFile;         // copied line by line before the credit line; "" for none
    std::vector<LinkRow> topLinks;  // a link table above the texts; empty for none
    std::vector<LinkRow> bottomLinks;
    std::optional<FreeText> topText;
    std::optional<FreeText> bottomText;
    std::string image;        // the picture of the image link
    std::string imageTarget;  // where it leads; the image link needs both
    std::vector<FileRow> files;
    bool pictureIndex = false;  // pictures shown, other files linked by their names
    bool textList = false;      // every file linked by its name
    // Preview mode links every file by its local path; final mode links travelling files by
    // name, as they will lie beside the page.
    bool finalMode = false;
    bool creditLine = true;
    std::string programCaption;  // names the program in the credit line
};

// The page's lines, without their line ends. Header and footer files that cannot be read add
// nothing.
std::vector<std::string> pageLines(const PageInput& page);

// Writes the page to page.pageFile, each line ended by CR LF. The file is replaced before the
// header and footer are read. When it cannot be created nothing is written and nothing is
// raised: the run goes on without the page.
void writePage(const PageInput& page);

// Whether the VIEW_CORP setting asks for the credit line: empty, not a number or 1.
bool creditLineWanted(std::string_view viewCorp);

// Turns every "\" into "/".
std::string ConvertBackSlash(std::string_view URL_Addr);

}  // namespace varmio
