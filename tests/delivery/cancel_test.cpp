// Cancel on the working indicator while a delivery runs against real servers and folders: the
// transfer stops within a second, the channel's failure message says it was cancelled, and the
// target is left as documented (an FTP file in part, which the message names; no mail; no
// unfinished copy; no half document in the intranet).
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

class Cancel : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(served()); }
    std::string served() const { return (files_.path() / "served").string(); }
    WizardWindow& w() { return h.window(); }
    // Starts the wizard on the delivery page with files of these sizes listed.
    void start(const std::vector<std::pair<std::string, std::uintmax_t>>& files) {
        std::vector<std::string> names;
        for (const auto& [name, size] : files) {
            const std::string path = h.work() + "/" + name;
            fs::resize_file((std::ofstream(path), path), size);
            names.push_back(name);
        }
        ASSERT_TRUE(h.startOnDeliveryPage(names));
    }
    // Clicks Cancel once `ready` holds while the window lets events through; the handler must
    // end within a second of that click with the channel's failure message `failed`.
    void cancelDuring(const std::function<bool()>& ready, const std::function<void()>& handler,
                      const std::string& failed) {
        Clock::time_point clicked{};
        h.host.onEvents = [&] {
            if (clicked != Clock::time_point{} || !w().frm_Working.progress.visible || !ready())
                return;
            clicked = Clock::now();
            w().frm_Working.progress.cmd_cancel.userClick();
        };
        handler();
        h.host.onEvents = nullptr;
        ASSERT_NE(clicked, Clock::time_point{}) << "Cancel was never offered";
        EXPECT_LT(std::chrono::duration<double>(Clock::now() - clicked).count(), 1.0);
        EXPECT_EQ(h.dialogs.last(), failed);
    }
    static bool always() { return true; }

    TempDir files_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;
};

TEST_F(Cancel, FtpSendStopsAndNamesTheFileLeftInPart) {
    server_ = std::make_unique<ScriptServer>("ftp_server.py", served(),
                                             std::vector<std::string>{"--read-limit", "1000000"});
    start({{"big.bin", 20u << 20}});
    w().cmd_ftp.userClick();
    w().txt_FTP_Serv.text = "127.0.0.1:" + std::to_string(server_->port());
    w().txt_FTP_User.text = "guest";
    w().txt_FTP_Pass.text = "secret";
    cancelDuring(
        [&] {
            return fs::exists(served() + "/big.bin") && fs::file_size(served() + "/big.bin") > 0;
        },
        [&] { ftpSend(w()); },
        "The files could not be uploaded to the server (Cancelled by the user; big.bin may be "
        "incomplete on the server [18])");
    EXPECT_LT(fs::file_size(served() + "/big.bin"), 20u << 20);
    EXPECT_FALSE(w().frm_Working.visible);
    EXPECT_TRUE(w().cmd_next.enabled);
}

TEST_F(Cancel, MailSendStopsAndNothingIsDelivered) {
    server_ = std::make_unique<ScriptServer>("smtp_server.py", served());
    h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(server_->port());
    start({{"big.bin", 64u << 20}});
    w().cmd_mail.userClick();
    w().txt_MAIL_RECIP.text = "bob@example.com";
    w().txt_MAIL_MESS.text = "Attached.";
    cancelDuring(
        always, [&] { cmd_next_Click(w()); },
        "The e-mail could not be sent (Cancelled by the user [18])");
    EXPECT_EQ(w().txt_MAIL_MESS.text, "Attached.");
    EXPECT_FALSE(fs::exists(served() + "/1.eml"));
}

TEST_F(Cancel, FolderCopyStopsAndLeavesNoUnfinishedFile) {
    start({{"a.bin", 64u << 20}, {"b.bin", 64u << 20}, {"c.bin", 64u << 20}});
    w().cmd_unc.userClick();
    w().txt_UNC_NAME.text = served();
    cancelDuring(
        always, [&] { cmd_next_Click(w()); },
        "The files could not be copied to the folder (Cancelled by the user [18])");
    EXPECT_FALSE(fs::exists(served() + "/c.bin"));
    for (const auto& entry : fs::directory_iterator(served()))
        EXPECT_EQ(fs::file_size(entry.path()), 64u << 20) << entry.path() << " in part";
}

TEST_F(Cancel, IntranetPublishStopsAndListsNothingHalf) {
    const std::string root = served();
    h.setConfig("MYINTRA", "Company\xFE" + root + "\xFE\xFF");
    start({{"a.bin", 64u << 20}, {"b.bin", 64u << 20}, {"c.bin", 64u << 20}});
    w().cmd_intra.userClick();
    w().tvwIntra.userNodeClick(1);
    h.dialogs.answers.push_back("Big");
    cancelDuring(
        always, [&] { w().cmd_next.userClick(); },
        "The document could not be published to the intranet (Cancelled by the user [18])");
    // The index page was written before the copy; no record, folder or file of the document.
    for (const auto& entry : fs::directory_iterator(root))
        EXPECT_EQ(entry.path().filename(), "index.html") << entry.path() << " left behind";
    EXPECT_EQ(readFile(root + "/index.html").find("Big"), std::string::npos);
}

}  // namespace
}  // namespace varmio::test
