#include "index_page.h"

#include "confined_path.h"
#include "intranet_disk.h"
#include "intranet_reader.h"
#include "intranet_records.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"

namespace varmio {

namespace {

constexpr char Q = '"';

// Link addresses use "/" whatever separators a record holds.
std::string urlForm(std::string text) {
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

std::string lastCharacters(const std::string& text, size_t count) {
    return text.size() > count ? text.substr(text.size() - count) : text;
}

}  // namespace

std::string placeBackgroundImage(const ConfinedRoot& root, const std::string& folder,
                                 const std::string& image) {
    IntranetReader reader;
    return placeBackgroundImage(root, folder, image, reader);
}

std::string placeBackgroundImage(const ConfinedRoot& root, const std::string& folder,
                                 const std::string& image, IntranetReader& reader) {
    std::string extension;
    // A copy named like a record ("$$bgimg.fni") changes what the page lists.
    auto touched = [&](const std::string& name) {
        if (matchesPattern(name, "*.fni") || matchesPattern(name, "*.dni")) reader.forget(folder);
    };
    if (image.empty()) {
        for (const std::string& name : reader.listing(folder).files("$$bgimg.*")) {
            tryStep([&] { deleteFile(root.path(joinPath(folder, name))); });
            touched(name);
        }
        return extension;
    }
    // Three-letter extensions, then four-letter ones; a name that fits both is copied twice.
    for (const size_t length : {3, 4}) {
        const size_t n = image.size();
        if (n <= length || image[n - length - 1] != '.') continue;
        extension = image.substr(n - length);
        tryStep([&] { replaceByCopy(image, root.path(joinPath(folder, "$$bgimg." + extension))); });
        touched("$$bgimg." + extension);
    }
    return extension;
}

std::string indexPage(const std::string& folder, const std::string& treePath,
                      const IndexPageSettings& settings, const std::string& extension) {
    IntranetReader reader;
    return indexPage(folder, treePath, settings, extension, reader);
}

std::string indexPage(const std::string& folder, const std::string& treePath,
                      const IndexPageSettings& settings, const std::string& extension,
                      IntranetReader& reader) {
    std::string page;
    page.reserve(4096);
    auto line = [&](const std::string& text) { page += text + "\r\n"; };
    const std::string& link = settings.linkColour;
    line("<HTML><TITLE>" + treePath + "</TITLE><BODY BGCOLOR=#" + settings.backColour + " TEXT=#" +
         settings.textColour + " LINK=#" + link + " VLINK=#" + link + " ULINK=#" + link +
         " BACKGROUND=" + Q + "$$bgimg." + extension + Q + ">");
    if (settings.showPath) line("<B>" + treePath + "</B><P>");

    line("<TABLE BORDER=0 WIDTH=100%>");
    for (const std::string& name : reader.listing(folder).files("*.fni")) {
        tryStep([&] {
            const std::vector<std::string>& record = reader.record(folder, name);
            const std::string href = lcase(urlForm(record[3] + "/index.html "));
            line("<TR><TD WIDTH=90% BGCOLOR=#" + settings.dirColour +
                 " ALIGN=LEFT VALIGN=MIDDLE><B>&nbsp;<A HREF=" + Q + href + Q + " " +
                 settings.extraPath + ">" + record[1] + "</A></TD></TR>");
        });
    }
    line("</TABLE><TABLE WIDTH=90% BORDER=0 CELLSPACING=5 CELLPADDING=5>");
    for (const std::string& name : reader.listing(folder).files("*.dni")) {
        tryStep([&] {
            const std::vector<std::string>& record = reader.record(folder, name);
            const std::string href = lcase(urlForm(lastCharacters(record[2], 8) + "/" + record[3]));
            line("<TR><TD><B>&nbsp;&nbsp;&nbsp;</B></TD><TD ALIGN=LEFT VALIGN=MIDDLE><B><A HREF=" +
                 std::string(1, Q) + href + Q + " " + settings.extraDoc + ">" + record[0] +
                 "</A></TD></TR>");
        });
    }
    line("</TABLE>");
    line("</BODY></HTML>");
    return page;
}

void writeIndexPage(const ConfinedRoot& root, const std::string& folder,
                    const std::string& treePath, const IndexPageSettings& settings) {
    IntranetReader reader;
    writeIndexPage(root, folder, treePath, settings, reader);
}

void writeIndexPage(const ConfinedRoot& root, const std::string& folder,
                    const std::string& treePath, const IndexPageSettings& settings,
                    IntranetReader& reader) {
    const std::string extension =
        placeBackgroundImage(root, folder, settings.backgroundImage, reader);
    const std::string page = indexPage(folder, treePath, settings, extension, reader);
    tryStep([&] { writeFileAtomically(root.path(joinPath(folder, "index.html")), page); });
}

}  // namespace varmio
