// FTP delivery against a real server on 127.0.0.1: listing and browsing the remote folders, the
// send, and what the user is told when the server refuses or is not there.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/curl_ftp_client.h"
#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::string>;

class FtpDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root() + "/a/b");
        fs::create_directories(root() + "/c");
        writeFile(root() + "/readme.txt", "not a folder");
        server_ = std::make_unique<ScriptServer>("ftp_server.py", root());
        fs::copy_file(std::string(VARMIO_SOURCE_DIR) + "/data/qdrn.sec", h.home() + "/qdrn.sec");
        writeFile(h.work() + "/one.txt", "one");
        writeFile(h.work() + "/two.txt", "two");
        ASSERT_TRUE(h.start(h.work() + "/one.txt " + h.work() + "/two.txt"));
    }

    std::string root() const { return (serverFiles_.path() / "root").string(); }
    WizardWindow& w() { return h.window(); }
    std::string message() { return h.dialogs.shown.empty() ? "" : h.dialogs.shown.back(); }

    // From the files page, through a quick page, to the FTP login page.
    void openFtpPage(const std::string& password = "secret", int port = 0) {
        cmd_next_Click(w());
        w().chk_cmpHTML.setValue(1);
        w().chk_mkHTMLtgs.setValue(0);
        cmd_next_Click(w());
        cmd_next_Click(w());
        ASSERT_TRUE(w().frm_export_1.visible);
        w().cmd_ftp.userClick();
        w().txt_FTP_Serv.text = "127.0.0.1:" + std::to_string(port ? port : server_->port());
        w().txt_FTP_User.text = "guest";
        w().txt_FTP_Pass.text = password;
        w().txt_FTP_Path.text = "";
    }

    Rows rows() {
        Rows texts;
        for (const ListItem& row : w().ftp_tree.rows) {
            texts.push_back(row.text);
            EXPECT_EQ(row.icon, 1) << row.text;
        }
        return texts;
    }

    void browse(const std::string& text) {
        for (int i = 1; i <= w().ftp_tree.count(); ++i) {
            if (w().ftp_tree.row(i).text != text) continue;
            w().ftp_tree.selected = i;
            w().ftp_tree.userDblClick();
            return;
        }
        ADD_FAILURE() << "no folder row " << text;
    }

    TempDir serverFiles_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;  // goes first, so the client says goodbye to a running server
};

TEST_F(FtpDeliveryTest, ListingBrowsesTheServerFolders) {
    openFtpPage();
    cmd_next_Click(w());
    ASSERT_TRUE(w().frm_ftp_2.visible) << message();
    EXPECT_EQ(w().cmd_next.caption, "Send");
    EXPECT_EQ(rows(), (Rows{"a/", "c/"})) << "no [Back] at the login folder; '.', '..' and files "
                                             "give no rows";
    EXPECT_FALSE(fs::exists(root() + "/qdrn.sec")) << "the probe file is deleted again";

    browse("a/");
    EXPECT_EQ(w().txt_FTP_Path.text, "a/");
    EXPECT_EQ(rows(), (Rows{"[Back]", "b/"}));
    browse("b/");
    EXPECT_EQ(w().txt_FTP_Path.text, "a/b/");
    EXPECT_EQ(rows(), (Rows{"[Back]"}));
    EXPECT_FALSE(fs::exists(root() + "/a/b/qdrn.sec"));
    browse("[Back]");
    EXPECT_EQ(w().txt_FTP_Path.text, "a/");
    EXPECT_EQ(rows(), (Rows{"[Back]", "b/"}));
    browse("[Back]");
    EXPECT_EQ(w().txt_FTP_Path.text, "");
    EXPECT_EQ(rows(), (Rows{"a/", "c/"}));
    EXPECT_TRUE(w().ftp_tree.enabled);

    w().txt_FTP_Path.text = "a/b/";
    w().txt_FTP_Path.keyPress(13);
    EXPECT_EQ(rows(), (Rows{"[Back]"})) << "Enter lists a nested path at once";
    w().txt_FTP_Path.text = "c/";
    w().cmd_gettree.userClick();
    EXPECT_EQ(rows(), (Rows{"[Back]"}));
    EXPECT_TRUE(w().cmd_next.enabled);
    EXPECT_EQ(w().mousePointer, 0);
    EXPECT_TRUE(h.dialogs.shown.empty()) << message();
}

TEST_F(FtpDeliveryTest, ListingFailuresShowTheDescriptionAlone) {
    openFtpPage("wrong");
    cmd_next_Click(w());
    EXPECT_EQ(message().rfind("Login denied (530 ", 0), 0u) << message();
    EXPECT_FALSE(w().frm_ftp_2.visible);
    EXPECT_TRUE(w().cmd_next.enabled);

    w().txt_FTP_Pass.text = "secret";
    w().txt_FTP_Path.text = "missing/";
    cmd_next_Click(w());
    EXPECT_NE(message().find("(550 "), std::string::npos) << message();
    EXPECT_EQ(rows(), (Rows{"[Back]"})) << "rows added before the failure stay";

    w().txt_FTP_Path.text = "";
    cmd_next_Click(w());
    EXPECT_EQ(rows(), (Rows{"a/", "c/"})) << "a failure leaves nothing behind for the next try";
}

TEST_F(FtpDeliveryTest, SendUploadsTheTravellingFiles) {
    openFtpPage();
    w().lvwFiles.row(2).setSubItem(2, "X");
    w().txt_FTP_Path.text = "a/";
    cmd_next_Click(w());
    w().chk_fls_ftp.setValue(1);
    const int before = w().frm_Working.backColor;
    cmd_next_Click(w());

    EXPECT_EQ(message(), "The files have been uploaded to the server.");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_EQ(w().cmd_close.caption, "Finish");
    EXPECT_NE(w().frm_Working.backColor, before) << "the indicator flickers while waiting";
    const std::string page = w().cmb_htmlfile.text;
    EXPECT_EQ(readFile(root() + "/a/one.txt"), "one");
    EXPECT_FALSE(fs::exists(root() + "/a/two.txt")) << "rows marked X stay home";
    EXPECT_TRUE(fs::exists(root() + "/a/" + page));
    EXPECT_EQ(readFile(root() + "/a/guest.lst"), "one.txt\r\n" + page + "\r\n");

    // The same page once more, into the login folder: an empty path still changes folder.
    w().cmd_ftp.userClick();
    w().txt_FTP_Path.text = "";
    w().chk_fls_ftp.setValue(0);
    cmd_next_Click(w());
    cmd_next_Click(w());
    EXPECT_EQ(message(), "The files have been uploaded to the server.");
    EXPECT_TRUE(fs::exists(root() + "/one.txt"));
    EXPECT_FALSE(fs::exists(root() + "/guest.lst"));
}

TEST_F(FtpDeliveryTest, RefusedSendReturnsToTheDeliveryPage) {
    openFtpPage();
    cmd_next_Click(w());
    w().txt_FTP_Pass.text = "wrong";
    cmd_next_Click(w());
    const std::string failed = "The files could not be uploaded to the server (Login denied (530 ";
    EXPECT_EQ(message().rfind(failed, 0), 0u) << message();
    EXPECT_EQ(message().substr(message().size() - 7), " [530])");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_FALSE(w().frm_ftp.visible);
}

TEST_F(FtpDeliveryTest, UnreachableServerFailsWithAMessage) {
    openFtpPage("secret", closedPort());
    cmd_next_Click(w());
    EXPECT_EQ(message().rfind("Couldn't connect to server", 0), 0u) << message();
    EXPECT_TRUE(w().frm_ftp.visible);
    EXPECT_FALSE(w().frm_ftp_2.visible);
}

TEST_F(FtpDeliveryTest, ClientRunsOneOperationAtATime) {
    CurlFtpClient ftp;
    ftp.remoteHost = "ftp://127.0.0.1:" + std::to_string(server_->port());
    ftp.userName = "guest";
    ftp.password = "secret";
    auto finish = [&] {
        while (ftp.busy())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ftp.checkResult();
    };
    ftp.execute("CD a/");
    try {
        ftp.execute("DIR *");
        ADD_FAILURE() << "a second operation started while the first ran";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 35764);
    }
    finish();
    ftp.execute("DIR *");
    finish();
    EXPECT_EQ(ftp.getChunk(65000), "./\r\n../\r\nb/\r\n");

    ftp.execute("PUT " + h.work() + "/none.txt none.txt");
    EXPECT_THROW(finish(), RuntimeError);
    ftp.execute("DIR *");
    finish();
    EXPECT_EQ(ftp.getChunk(65000), "./\r\n../\r\na/\r\nc/\r\nreadme.txt\r\n")
        << "a failure drops the connection and its folder";
}

TEST(FtpListing, ReadsUnixAndDosListings) {
    const std::string list =
        "total 8\r\n"
        "drwxr-xr-x   2 ftp  ftp   4096 Jan 15 10:30 .\r\n"
        "drwxr-xr-x   2 ftp  ftp   4096 Jan 15 10:30 ..\r\n"
        "drwxr-xr-x   2 ftp  ftp   4096 Jan 15 10:30 My Folder\r\n"
        "-rw-r--r--   1 ftp  ftp   1234 Mar  3  2023 report 2023.pdf\n"
        "lrwxrwxrwx   1 ftp  ftp     10 Mar  3  2023 latest -> report 2023.pdf\r\n"
        "drwxr-xr-x   2 4096 Jan 15 10:30 no owner\r\n"
        "01-15-24  10:30AM       <DIR>          Old Stuff\r\n"
        "01-15-2024  10:30AM            1234 notes.txt\r\n";
    EXPECT_EQ(listingText(list),
              "./\r\n../\r\nMy Folder/\r\nreport 2023.pdf\r\nlatest\r\nno owner/\r\nOld Stuff/\r\n"
              "notes.txt\r\n");
}

}  // namespace
}  // namespace varmio::test
