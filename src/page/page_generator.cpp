#include "page_generator.h"

#include <functional>
#include <memory>

#include "file_names.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"

namespace varmio {

namespace {

constexpr char Q = '"';

using Emit = std::function<void(std::string_view)>;

std::string CBS(std::string_view s) {
    return ConvertBackSlash(s);
}

// Copies a header or footer file line by line; a file that cannot be read adds nothing.
void copyFileLines(const Emit& line, const std::string& file) {
    std::vector<std::string> lines;
    if (!tryStep([&] { lines = readLines(file); })) return;
    for (const std::string& text : lines)
        line(text);
}

struct StyleTags {
    std::string open;
    std::string close;
};

// The style entry's tag runs from its first "<" to its end; the closing tag repeats it after "</".
StyleTags styleTags(std::string_view style) {
    size_t lt = style.find('<');
    std::string open = lt == std::string_view::npos ? std::string() : std::string(style.substr(lt));
    std::string close = open.empty() ? std::string() : "</" + open.substr(1);
    return {open, close};
}

std::string linkCell(const LinkRow& link) {
    return std::string("<td><a href=") + Q + CBS(link.address) + Q + ">";
}

// Three links to a table row; a last row of one link is closed, a last row of two is not.
void writeLinkTable(const Emit& line, const std::vector<LinkRow>& links) {
    const size_t n = links.size();
    line("<center><table width=95%>");
    for (size_t i = 1; i <= n; i += 3) {
        const LinkRow& first = links[i - 1];
        line("<tr align=center>" + linkCell(first));
        line(CBS(first.name) + "</a></td>");
        if (i + 1 <= n) {
            const LinkRow& second = links[i];
            line(linkCell(second));
            line(CBS(second.name) + "</a></td>");
        }
        if (i + 2 <= n) {
            const LinkRow& third = links[i + 1];
            line(linkCell(third));
            line(CBS(third.name) + "</a></td></tr>");
        }
        if (i == n) line("</td></tr>");
    }
    line("</table></center>");
}

void writeImageLink(const Emit& line, const PageInput& page) {
    if (page.image.empty() || page.imageTarget.empty()) return;
    SplitPath path = splitPath(page.image);
    if (hasQuestionMark(path)) path = {};
    std::string source = page.finalMode ? CBS(path.name) : CBS(path.folder + path.name);
    line("<BR><CENTER><A HREF=" + CBS(page.imageTarget) + "><IMG SRC=" + source +
         "></A></CENTER><BR>");
}

// Builds a line in a buffer the caller reuses: the file rows run to thousands of lines.
template <class... Parts>
const std::string& join(std::string& buffer, const Parts&... parts) {
    buffer.clear();
    (buffer.append(parts), ...);
    return buffer;
}

void writeImageIndex(const Emit& line, const PageInput& page) {
    std::string text;
    for (const FileRow& row : page.files) {
        const std::string full = row.path();
        if (full == page.pageFile) continue;
        const bool byName = page.finalMode && !row.excluded();
        const std::string shown = CBS(byName ? row.name : full);
        const std::string_view scheme = byName ? "" : "file://";
        if (IsItIMG(full) == 1)
            line(join(text, "<CENTER><IMG SRC=\"", scheme, shown, "\" BORDER=0 ALT=\"", shown,
                      "\"><BR></CENTER>"));
        else
            line(
                join(text, "<CENTER><A HREF=\"", scheme, shown, "\">", shown, "</A><BR></CENTER>"));
    }
    line("<BR>");
}

void writeTextList(const Emit& line, const PageInput& page) {
    std::string text;
    for (const FileRow& row : page.files) {
        const std::string full = row.path();
        if (full == page.pageFile) continue;
        // Preview: the path and the name; final: the name of a travelling file, else the path.
        const std::string& address = page.finalMode && !row.excluded() ? row.name : full;
        const std::string& shown = page.finalMode ? address : row.name;
        line(join(text, "<CENTER><A HREF=", CBS(address), ">", CBS(shown), "</A><BR></CENTER>"));
    }
}

void buildPage(const PageInput& page, const Emit& line) {
    line(std::string("<HTML><META-HTTP KEYWORDS=") + Q + page.keywords + Q + "><TITLE>" +
         page.title + "</TITLE><BODY>");

    if (!page.headerFile.empty())
        copyFileLines(line, page.headerFile);
    else
        line("<CENTER><H2>" + page.title + "</H2></CENTER>");

    if (!page.topLinks.empty()) {
        line("<center><table width=85%>");
        line("<tr><td>");
        writeLinkTable(line, page.topLinks);
        line("<hr></td></tr>");
        line("</table></center>");
    }

    if (page.topText) {
        StyleTags tags = styleTags(page.topText->style);
        line(tags.open + page.topText->text + tags.close + "<P>");
    }

    writeImageLink(line, page);
    if (page.pictureIndex) writeImageIndex(line, page);
    if (page.textList) writeTextList(line, page);

    if (page.bottomText) {
        StyleTags tags = styleTags(page.bottomText->style);
        line("<P>" + tags.open + page.bottomText->text + tags.close);
    }

    if (!page.bottomLinks.empty()) {
        line("<center><table width=85%>");
        line("<tr><td><hr>");
        writeLinkTable(line, page.bottomLinks);
        line("</td></tr>");
        line("</table></center>");
    }

    if (!page.footerFile.empty()) copyFileLines(line, page.footerFile);

    if (page.creditLine) {
        const std::string site(kMakerWebSite);
        line("<BR><CENTER><FONT SIZE=1>HTML page created with " + page.programCaption +
             "<BR><A HREF=" + site + ">Varmio Corporation - " + site + "</A></FONT></CENTER>");
    }
    line("</BODY></HTML>");
}

}  // namespace

std::vector<std::string> pageLines(const PageInput& page) {
    std::vector<std::string> lines;
    buildPage(page, [&](std::string_view text) { lines.emplace_back(text); });
    return lines;
}

void writePage(const PageInput& page) {
    std::unique_ptr<LineWriter> out;
    if (!tryStep([&] { out = std::make_unique<LineWriter>(page.pageFile); })) return;
    // A line that cannot be written is skipped; the lines after it are still tried.
    buildPage(page, [&](std::string_view text) { tryStep([&] { out->line(text); }); });
    tryStep([&] { out->close(); });
}

bool creditLineWanted(std::string_view viewCorp) {
    if (viewCorp.empty() || !IsNumeric(viewCorp)) return true;
    return Val(viewCorp) == 1;
}

std::string ConvertBackSlash(std::string_view URL_Addr) {
    std::string out(URL_Addr);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

}  // namespace varmio
