// FTP delivery against a real server on 127.0.0.1: the transfer control's one operation at a
// time, a send plan's progress, and reading listings. (Listing, browsing, sending and failing
// through the pages are checked by the end-to-end FTP scripts.)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "delivery/ftp_runner.h"
#include "platform/background_task.h"
#include "platform/curl_ftp_client.h"
#include "support/temp_dir.h"
#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class FtpDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(root() + "/a/b");
        fs::create_directories(root() + "/c");
        std::ofstream(root() + "/readme.txt") << "not a folder";
        std::ofstream(local() + "one.txt") << "one";
        std::ofstream(local() + "two.txt") << "twotwo";
        server_ = std::make_unique<ScriptServer>("ftp_server.py", root());
    }

    std::string root() const { return (serverFiles_.path() / "root").string(); }
    std::string local() const { return localFiles_.path().string() + "/"; }
    FtpLogin login() const {
        return {"ftp://127.0.0.1:" + std::to_string(server_->port()), "guest", "secret"};
    }

    TempDir serverFiles_;
    TempDir localFiles_;
    std::unique_ptr<ScriptServer> server_;
};

TEST_F(FtpDeliveryTest, ClientRunsOneOperationAtATime) {
    CurlFtpClient ftp;
    ftp.remoteHost = login().host;
    ftp.userName = "guest";
    ftp.password = "secret";
    auto finish = [&] {
        pollWhile([&] { return ftp.busy(); }, [] {});
        ftp.checkResult();
    };
    server_->pause(true);  // the first operation waits for the server's greeting meanwhile
    ftp.execute("CD a/");
    try {
        ftp.execute("DIR *");
        ADD_FAILURE() << "a second operation started while the first ran";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 35764);
    }
    server_->pause(false);
    finish();
    ftp.execute("DIR *");
    finish();
    EXPECT_EQ(ftp.getChunk(65000), "./\r\n../\r\nb/\r\n");

    ftp.execute("PUT " + local() + "none.txt none.txt");
    EXPECT_THROW(finish(), RuntimeError);
    ftp.execute("DIR *");
    finish();
    EXPECT_EQ(ftp.getChunk(65000), "./\r\n../\r\na/\r\nc/\r\nreadme.txt\r\n")
        << "a failure drops the connection and its folder";
}

TEST_F(FtpDeliveryTest, SendReportsItsProgress) {
    CurlFtpClient ftp;
    std::vector<std::string> seen;
    const FtpRunHooks hooks{[] {},
                            {},
                            [&](const FtpProgress& p) {
                                seen.push_back(std::to_string(p.file) + "/" +
                                               std::to_string(p.files) + ":" +
                                               std::to_string(p.bytes));
                            }};
    const std::vector<FileRow> rows{{local(), "one.txt", " "}, {local(), "two.txt", " "}};
    runFtpPlan(ftp, ftpSendPlan({login(), "a/", rows, true, local(), std::nullopt}), hooks);
    EXPECT_EQ(seen, (std::vector<std::string>{"1/3:3", "2/3:9", "3/3:27"}));
}

// A line break in a login field would end the USER or PASS command early and start one of the
// typist's own: the wizard refuses it, in the user's language, before connecting at all.
TEST_F(FtpDeliveryTest, LineBreaksInTheLoginNeverReachTheServer) {
    std::ofstream(root() + "/keep.txt") << "keep";
    WizardHarness h;
    ASSERT_TRUE(h.startOnDeliveryPage());
    WizardWindow& w = h.window();
    w.cmd_ftp.userClick();
    const std::string refused =
        "The server name, user name and password must not contain line breaks or null "
        "characters; nothing was sent.";
    const std::string host = login().host;
    for (const FtpLogin& typed : {FtpLogin{host, "guest", "secret\r\nDELE keep.txt"},
                                  FtpLogin{host, "guest\nDELE keep.txt", "secret"},
                                  FtpLogin{host + "\r\nDELE keep.txt", "guest", "secret"},
                                  FtpLogin{host, "guest", std::string("secret\0x", 8)}}) {
        w.txt_FTP_Serv.text = typed.host;
        w.txt_FTP_User.text = typed.user;
        w.txt_FTP_Pass.text = typed.password;
        EXPECT_FALSE(ftpFolderListing(w, ""));
        EXPECT_EQ(h.dialogs.shown.back(), refused);
        ftpSend(w);
        EXPECT_EQ(h.dialogs.shown.back(),
                  "The files could not be uploaded to the server (" + refused + " [5])");
    }
    EXPECT_TRUE(fs::exists(root() + "/keep.txt"));
    EXPECT_FALSE(fs::exists(root() + ".log")) << "not even a connection was made";

    CurlFtpClient ftp;  // the control refuses such a login by itself as well
    ftp.remoteHost = host;
    ftp.userName = "guest";
    ftp.password = "secret\r\nDELE keep.txt";
    EXPECT_THROW(ftp.execute("DIR *"), RuntimeError);
    EXPECT_FALSE(fs::exists(root() + ".log"));
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
