// The intranet on disk: records read into the tree, projects made, documents published,
// republished and removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "intranet/intranet_publish.h"
#include "intranet/intranet_store.h"
#include "intranet/intranet_tree.h"
#include "page/file_list.h"
#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class IntranetTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = h.work() + "/intra";
        fs::create_directories(root);
        h.setConfig("MYINTRA", std::string("Intranet\xFE") + root + "\xFEx\xFF");
        h.setConfig("HTML_INTRA_VIRPATH_SHOWN", "0");
    }
    WizardWindow& w() { return h.window(); }
    void record(const std::string& file, const std::string& a, const std::string& b,
                const std::string& c, const std::string& d) {
        writeFile(file, a + "\r\n" + b + "\r\n" + c + "\r\n" + d + "\r\n");
    }
    // Starts in intranet-manager mode on the intranet above.
    void startManager() { ASSERT_TRUE(h.start("/intraman")); }
    TreeNode& nodeNamed(const std::string& text) {
        for (int i = 1; i <= w().tvwIntra.count(); ++i)
            if (w().tvwIntra.node(i).text == text) return w().tvwIntra.node(i);
        throw std::runtime_error("no node " + text);
    }
    void click(const std::string& text) {
        w().tvwIntra.userNodeClick(w().tvwIntra.position(nodeNamed(text)));
    }

    WizardHarness h;
    std::string root;
};

TEST_F(IntranetTest, TreeIsReadLevelByLevelAndProjectDocumentsOnFirstClick) {
    fs::create_directories(root + "/aaa/bbb");
    record(root + "/aaa.FNI", "uniquekey:Sales!K1", "Sales Team", "root", "aaa");
    record(root + "/aaa/bbb.fni", "uniquekey:Q3!K2", "Q3", "uniquekey:Sales!K1", "bbb");
    record(root + "/zzz.FNI", "uniquekey:Lost!K3", "Lost", "uniquekey:nobody!X", "zzz");
    record(root + "/docone.dni", "Root doc", "root", root + "/docone", "page.htm");
    record(root + "/aaa/doctwo.DNI", "Sales doc", "uniquekey:Sales!K1", root + "/aaa/doctwo",
           "x.pdf");
    startManager();
    TreeView& tree = w().tvwIntra;
    ASSERT_EQ(tree.count(), 4) << "root, Sales Team, Q3, the root's document; Lost has no parent";
    EXPECT_EQ(tree.node(1).text, "Intranet");
    EXPECT_EQ(w().cmb_my_intras.text, "Intranet");
    EXPECT_EQ(tree.node(1).tag, root);
    EXPECT_EQ(tree.node(1).image, 5);
    EXPECT_EQ(nodeNamed("Sales Team").tag, root + "/aaa");
    EXPECT_EQ(nodeNamed("Q3").tag, root + "/aaa/bbb");
    EXPECT_EQ(nodeNamed("Q3").parent, &nodeNamed("Sales Team"));
    EXPECT_EQ(nodeNamed("Root doc").tag, root + "/docone/page.htm");
    EXPECT_EQ(nodeNamed("Root doc").image, 4);

    click("Sales Team");
    EXPECT_EQ(w().cmb_intra_prj.text, "Sales Team");
    EXPECT_EQ(nodeNamed("Sales Team").image, 7);
    EXPECT_EQ(nodeNamed("Sales doc").tag, root + "/aaa/doctwo/x.pdf");
    click("Sales Team");
    EXPECT_EQ(tree.count(), 5) << "documents are read once";

    w().cmd_intra_refresh.userClick();
    EXPECT_EQ(tree.count(), 4);
    EXPECT_EQ(tree.node(1).text, "Intranet");
    EXPECT_EQ(nodeNamed("Sales Team").image, 1);
}

TEST_F(IntranetTest, MakingAProjectWritesFolderRecordAndIndexPages) {
    startManager();
    h.dialogs.answers = {"New Project"};
    w().cmd_mkprj.userClick();
    TreeNode& project = nodeNamed("New Project");
    std::string folderName = project.tag.substr(root.size() + 1);
    EXPECT_TRUE(std::regex_match(folderName, std::regex("[a-p]{20}"))) << folderName;
    EXPECT_TRUE(fs::is_directory(project.tag));
    EXPECT_TRUE(std::regex_match(project.key, std::regex("uniquekey:New Project![@A-T]{50}")));
    EXPECT_EQ(readFile(root + "/" + folderName + ".FNI"),
              project.key + "\r\nNew Project\r\nroot\r\n" + folderName + "\r\n");
    EXPECT_TRUE(fs::exists(project.tag + "/index.html"));
    EXPECT_NE(readFile(root + "/index.html").find(">New Project</A>"), std::string::npos);

    h.dialogs.answers = {"cancel"};
    w().cmd_mkprj.userClick();
    EXPECT_EQ(w().tvwIntra.count(), 2) << "no name, no project";
}

TEST_F(IntranetTest, PublishingMakesADocumentAndRepublishingReplacesIt) {
    writeFile(h.work() + "/a.pdf", "A");
    writeFile(h.work() + "/b.pdf", "B");
    ASSERT_TRUE(h.start(h.work() + "/a.pdf " + h.work() + "/b.pdf"));
    w().lvwFiles.rows[1].setSubItem(2, "X");
    w().cmb_htmlfile.text = "doc.htm";
    w().chk_mkHTMLtgs.setValue(0);
    for (int i = 0; i < 3; ++i)
        w().cmd_next.userClick();
    ASSERT_TRUE(w().frm_export_1.visible);
    w().cmd_intra.userClick();
    ASSERT_TRUE(w().frm_intra.visible);
    ASSERT_EQ(w().tvwIntra.selectedPosition(), 1);

    h.dialogs.answers = {"First title"};
    w().cmd_next.userClick();
    EXPECT_EQ(h.dialogs.shown.back(), "The document has been published to the intranet.");
    TreeNode& doc = nodeNamed("First title");
    std::string folder = doc.tag.substr(0, doc.tag.rfind('/'));
    std::string key = folder.substr(folder.rfind('/') + 1);
    EXPECT_TRUE(std::regex_match(key, std::regex("[a-u]{8}"))) << key;
    EXPECT_EQ(doc.tag, root + "/" + key + "/doc.htm");
    EXPECT_TRUE(fs::exists(folder + "/a.pdf"));
    EXPECT_FALSE(fs::exists(folder + "/b.pdf")) << "marked X";
    EXPECT_TRUE(fs::exists(folder + "/doc.htm"));
    EXPECT_EQ(readFile(root + "/" + key + ".dni"),
              "First title\r\nroot\r\n" + root + "/" + key + "\r\ndoc.htm\r\n");
    EXPECT_NE(readFile(root + "/index.html").find(key + "/doc.htm\" >First title</A>"),
              std::string::npos);

    // Publish again onto the document: same folder and record, new title, old page name.
    w().cmd_intra.userClick();
    click("First title");
    w().cmb_htmlfile.text = "other.htm";
    h.dialogs.answers = {"Second title"};
    w().cmd_next.userClick();
    EXPECT_EQ(readFile(root + "/" + key + ".dni"),
              "Second title\r\nroot\r\n" + root + "/" + key + "\r\ndoc.htm\r\n");
    EXPECT_TRUE(fs::exists(folder + "/doc.htm"));
    EXPECT_NE(readFile(root + "/index.html").find(">First title</A>"), std::string::npos)
        << "republishing leaves the index pages alone";
}

TEST_F(IntranetTest, UndefinedIntranetTakesNothing) {
    h.setConfig("MYINTRA", "");
    h.setConfig("txt_intra_path", "");
    ASSERT_TRUE(h.start("/intraman"));
    EXPECT_EQ(w().tvwIntra.node(1).text, "No intra defined");
    EXPECT_EQ(w().txt_intra_path.text, "");
    IntraCopy(w(), w().tvwIntra.node(1).tag);
    EXPECT_EQ(h.dialogs.shown.back(),
              "Nothing was published. Please choose an intranet first, then select its top entry, "
              "a project or a document.");
}

TEST_F(IntranetTest, RemovingDocumentsAndEmptyProjects) {
    startManager();
    h.dialogs.answers = {"Keep"};
    w().cmd_mkprj.userClick();
    TreeNode& project = nodeNamed("Keep");
    std::string projectFolder = project.tag;
    record(projectFolder + "/docaaaaa.dni", "Inside", project.key, projectFolder + "/docaaaaa",
           "p.htm");
    fs::create_directories(projectFolder + "/docaaaaa");
    click("Keep");
    ASSERT_EQ(w().tvwIntra.count(), 3);

    h.dialogs.answers = {"yes"};
    w().cmd_delete.userClick();
    EXPECT_EQ(w().tvwIntra.count(), 3) << "a project with nodes below it stays";

    click("Inside");
    h.dialogs.answers = {"no", "yes"};
    w().cmd_delete.userClick();
    EXPECT_EQ(w().tvwIntra.count(), 3);
    w().cmd_delete.userClick();
    EXPECT_EQ(w().tvwIntra.count(), 2);
    EXPECT_FALSE(fs::exists(projectFolder + "/docaaaaa"));
    EXPECT_FALSE(fs::exists(projectFolder + "/docaaaaa.dni"));

    click("Keep");
    h.dialogs.answers = {"yes"};
    w().cmd_delete.userClick();
    EXPECT_EQ(w().tvwIntra.count(), 1);
    EXPECT_FALSE(fs::exists(projectFolder));
    EXPECT_TRUE(fs::is_empty(root) || !fs::exists(projectFolder + ".FNI"));
}

TEST_F(IntranetTest, RenamingKeepsFolderRecordAndKey) {
    startManager();
    h.dialogs.answers = {"Old", "New name"};
    w().cmd_mkprj.userClick();
    TreeNode& project = nodeNamed("Old");
    std::string key = project.key;
    click("Old");
    w().cmd_rename.userClick();
    EXPECT_EQ(project.text, "New name");
    std::string folderName = project.tag.substr(root.size() + 1);
    EXPECT_EQ(readFile(root + "/" + folderName + ".FNI"),
              key + "\r\nNew name\r\nroot\r\n" + folderName + "\r\n");
    h.dialogs.answers = {"cancel"};
    w().cmd_rename.userClick();
    EXPECT_EQ(project.text, "New name");
}

}  // namespace
}  // namespace varmio::test
