#include "page_generator.h"

#include <memory>

#include "file_list.h"
#include "platform/basic_text.h"
#include "platform/files.h"
#include "platform/steps.h"
#include "wizard/wizard_window.h"

namespace varmio {

namespace {

constexpr char Q = '"';

std::string CBS(std::string_view s) {
    return ConvertBackSlash(s);
}

// Writes lines to the page file. When the file could not be created every write does nothing,
// as writes to an unopened file fail one by one.
class PageWriter {
  public:
    explicit PageWriter(const std::string& path) {
        tryStep([&] { out_ = std::make_unique<LineWriter>(path); });
    }
    void line(std::string_view text) {
        if (out_) tryStep([&] { out_->line(text); });
    }
    void close() {
        if (out_) tryStep([&] { out_->close(); });
    }

  private:
    std::unique_ptr<LineWriter> out_;
};

// Copies a header or footer file line by line; a file that cannot be read adds nothing.
void copyFileLines(PageWriter& page, const std::string& file) {
    std::vector<std::string> lines;
    if (!tryStep([&] { lines = readLines(file); })) return;
    for (const std::string& line : lines)
        page.line(line);
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

std::string linkCell(const ListItem& row) {
    return std::string("<td><a href=") + Q + CBS(row.subItem(1)) + Q + ">";
}

// Three links to a table row; a last row of one link is closed, a last row of two is not.
void writeLinkTable(PageWriter& page, const ListView& list) {
    const int n = list.count();
    page.line("<center><table width=95%>");
    for (int i = 1; i <= n; i += 3) {
        const ListItem& first = list.rows[i - 1];
        page.line("<tr align=center>" + linkCell(first));
        page.line(CBS(first.text) + "</a></td>");
        if (i + 1 <= n) {
            const ListItem& second = list.rows[i];
            page.line(linkCell(second));
            page.line(CBS(second.text) + "</a></td>");
        }
        if (i + 2 <= n) {
            const ListItem& third = list.rows[i + 1];
            page.line(linkCell(third));
            page.line(CBS(third.text) + "</a></td></tr>");
        }
        if (i == n) page.line("</td></tr>");
    }
    page.line("</table></center>");
}

bool creditLineWanted(const std::string& viewCorp) {
    if (viewCorp.empty() || !IsNumeric(viewCorp)) return true;
    return Val(viewCorp) == 1;
}

void addPageFileRow(WizardWindow& w) {
    const std::string folder = w.TmpFol + "/";
    for (const ListItem& row : w.lvwFiles.rows)
        if (row.text == folder && row.subItem(1) == w.cmb_htmlfile.text) return;
    SplitPath page = splitPath(w.pageFilePath());
    if (!hasQuestionMark(page)) addFileRow(w, page.folder, page.name);
}

void writeImageLink(PageWriter& page, const WizardWindow& w, bool final) {
    const std::string& image = w.cmb_link_img.text;
    const std::string& target = w.txt_img_link_chc.text;
    if (image.empty() || target.empty()) return;
    SplitPath path = splitPath(image);
    if (hasQuestionMark(path)) path = {};
    std::string source = final ? CBS(path.name) : CBS(path.folder + path.name);
    page.line("<BR><CENTER><A HREF=" + CBS(target) + "><IMG SRC=" + source + "></A></CENTER><BR>");
}

void writeImageIndex(PageWriter& page, const WizardWindow& w, bool final,
                     const std::string& pageFile) {
    for (const ListItem& row : w.lvwFiles.rows) {
        const std::string name = row.subItem(1);
        const std::string full = row.text + name;
        if (full == pageFile) continue;
        const bool byName = final && row.subItem(2) != "X";
        const std::string src = byName ? CBS(name) : "file://" + CBS(full);
        const std::string shown = byName ? CBS(name) : CBS(full);
        if (IsItIMG(full) == 1)
            page.line(std::string("<CENTER><IMG SRC=") + Q + src + Q + " BORDER=0 ALT=" + Q +
                      shown + Q + "><BR></CENTER>");
        else
            page.line(std::string("<CENTER><A HREF=") + Q + src + Q + ">" + shown +
                      "</A><BR></CENTER>");
    }
    page.line("<BR>");
}

void writeTextList(PageWriter& page, const WizardWindow& w, bool final,
                   const std::string& pageFile) {
    for (const ListItem& row : w.lvwFiles.rows) {
        const std::string name = row.subItem(1);
        const std::string full = row.text + name;
        if (full == pageFile) continue;
        std::string address, text;
        if (!final) {
            address = CBS(full), text = CBS(name);
        } else if (row.subItem(2) != "X") {
            address = CBS(name), text = CBS(name);
        } else {
            address = CBS(full), text = CBS(full);
        }
        page.line("<CENTER><A HREF=" + address + ">" + text + "</A><BR></CENTER>");
    }
}

}  // namespace

std::string ConvertBackSlash(std::string_view URL_Addr) {
    std::string out(URL_Addr);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

void opt_index_Click(WizardWindow& w, int index) {
    if (w.opt_index[index].ticked()) w.opt_index[1 - index].setValue(0);
}

void GenerateHTML(WizardWindow& w, bool final) {
    if (w.chk_cmpHTML.value() == 0) return;
    tryStep([&] {
        if (w.opt_index[0].value() == 0 && w.opt_index[1].value() == 0) w.opt_index[0].setValue(1);
    });
    if (final) tryStep([&] { addPageFileRow(w); });

    const std::string pageFile = w.pageFilePath();
    const std::string& title = w.cmb_html_title.text;
    PageWriter page(pageFile);
    page.line(std::string("<HTML><META-HTTP KEYWORDS=") + Q + w.cmb_html_meta.text + Q +
              "><TITLE>" + title + "</TITLE><BODY>");

    if (w.chk_HTMLhead.value() == 1 && !w.cmb_htmlhead.text.empty())
        copyFileLines(page, w.cmb_htmlhead.text);
    else
        page.line("<CENTER><H2>" + title + "</H2></CENTER>");

    const bool links = w.chk_add_links.value() == 1;
    if (w.lvwLinks_top.count() >= 1 && links) {
        page.line("<center><table width=85%>");
        page.line("<tr><td>");
        writeLinkTable(page, w.lvwLinks_top);
        page.line("<hr></td></tr>");
        page.line("</table></center>");
    }

    if (w.chk_frtxt_top.value() == 1) {
        StyleTags tags = styleTags(w.cmb_tttop_sty.text);
        page.line(tags.open + w.txt_freetext_top.text + tags.close + "<P>");
    }

    writeImageLink(page, w, final);
    if (w.opt_index[0].value() == 1) writeImageIndex(page, w, final, pageFile);
    if (w.opt_index[1].value() == 1) writeTextList(page, w, final, pageFile);

    if (w.chk_frtxt_bot.value() == 1) {
        StyleTags tags = styleTags(w.cmb_ttbot_sty.text);
        page.line("<P>" + tags.open + w.txt_freetext_bot.text + tags.close);
    }

    if (w.lvwLinks_bot.count() >= 1 && links) {
        page.line("<center><table width=85%>");
        page.line("<tr><td><hr>");
        writeLinkTable(page, w.lvwLinks_bot);
        page.line("</td></tr>");
        page.line("</table></center>");
    }

    if (w.chk_HTMLfoot.value() == 1 && !w.cmb_htmlfoot.text.empty())
        copyFileLines(page, w.cmb_htmlfoot.text);

    if (creditLineWanted(w.config("VIEW_CORP"))) {
        const std::string site(kMakerWebSite);
        page.line("<BR><CENTER><FONT SIZE=1>HTML page created with " + w.caption +
                  "<BR><A HREF=" + site + ">Varmio Corporation - " + site + "</A></FONT></CENTER>");
    }
    page.line("</BODY></HTML>");
    page.close();
}

}  // namespace varmio
