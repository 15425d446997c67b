// FTP delivery against a real server on 127.0.0.1: the transfer control's one operation at a
// time, a server that is not there, and reading listings. (Listing, browsing and sending through
// the pages are checked by the end-to-end FTP scripts.)
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

    TempDir serverFiles_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;  // goes first, so the client says goodbye to a running server
};

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
