// Mail delivery through a real SMTP server on 127.0.0.1: the mail session and what a failed send
// leaves as it was. (Messages as sent are checked by the end-to-end mail script.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

// A wizard on the mail page with one.txt and two.txt (marked X) listed.
class MailPage {
  public:
    explicit MailPage(const std::string& smtpUrl) {
        if (!smtpUrl.empty()) h.system.env["VARMIO_SMTP_URL"] = smtpUrl;
        h.system.env["VARMIO_MAIL_FROM"] = "wizard@example.com";
        writeFile(h.work() + "/one.txt", "one");
        writeFile(h.work() + "/two.txt", "two");
        if (!h.start(h.work() + "/one.txt " + h.work() + "/two.txt")) throw std::logic_error("end");
        h.setConfig("txt_MAIL_CAP", "");
        h.setConfig("txt_MAIL_RECIP", "");
        w().lvwFiles.row(2).setSubItem(2, "X");
        cmd_next_Click(w());
        w().chk_cmpHTML.setValue(0);
        cmd_next_Click(w());
        open();
    }
    WizardWindow& w() { return h.window(); }
    void open() { w().cmd_mail.userClick(); }
    void send(const std::string& recipient, const std::string& subject) {
        w().txt_MAIL_RECIP.text = recipient;
        w().txt_MAIL_CAP.text = subject;
        w().txt_MAIL_MESS.text = "Numbers attached.";
        cmd_next_Click(w());
    }
    std::string message() { return h.dialogs.shown.empty() ? "" : h.dialogs.shown.back(); }

    WizardHarness h;
};

class MailDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(inbox());
        server_ = std::make_unique<ScriptServer>("smtp_server.py", inbox());
        page_ = std::make_unique<MailPage>("smtp://127.0.0.1:" + std::to_string(server_->port()));
    }
    std::string inbox() const { return (serverFiles_.path() / "inbox").string(); }
    // The stored messages, oldest first.
    std::vector<std::string> received(const std::string& ending = ".eml") {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(inbox()))
            if (entry.path().extension() == ending) names.push_back(entry.path().string());
        std::sort(names.begin(), names.end());
        std::vector<std::string> contents;
        for (const std::string& name : names)
            contents.push_back(readFile(name));
        return contents;
    }
    WizardWindow& w() { return page_->w(); }

    TempDir serverFiles_;
    std::unique_ptr<ScriptServer> server_;
    std::unique_ptr<MailPage> page_;
};

TEST_F(MailDeliveryTest, NothingIsSentWithoutAValidRecipientOrWhileASessionIsOpen) {
    page_->send("boss", "Quarterly");
    EXPECT_EQ(page_->message(), "Please enter a valid e-mail address for the recipient.");
    EXPECT_TRUE(w().frm_mail.visible);
    page_->h.dialogs.shown.clear();
    mailSend(w());
    EXPECT_EQ(page_->message(), "Please enter a valid e-mail address for the recipient.");

    w().mailSessionOpen = true;
    page_->send("boss@example.com", "Quarterly");
    EXPECT_EQ(page_->message(), "Session already established");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_TRUE(received().empty());
}

TEST_F(MailDeliveryTest, FailedSendKeepsHistoriesAndText) {
    page_->h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(closedPort());
    page_->send("boss@example.com", "Quarterly");
    const std::string failed = "The e-mail could not be sent (Couldn't connect to server";
    EXPECT_EQ(page_->message().rfind(failed, 0), 0u) << page_->message();
    EXPECT_EQ(page_->message().substr(page_->message().size() - 5), " [7])");
    EXPECT_EQ(w().txt_MAIL_MESS.text, "Numbers attached.");
    EXPECT_EQ(page_->h.config("txt_MAIL_CAP"), "");
    EXPECT_FALSE(w().mailSessionOpen) << "the logoff still runs";
    EXPECT_TRUE(w().frm_export_1.visible);
}

}  // namespace
}  // namespace varmio::test
