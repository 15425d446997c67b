// Mail delivery through a real SMTP server on 127.0.0.1: the mail session and what a failed send
// leaves as it was. (Messages as sent are checked by the end-to-end mail script.)
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

// A wizard on the mail page with one.txt and two.txt listed, its mail server on 127.0.0.1.
class MailDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(inbox());
        server_ = std::make_unique<ScriptServer>("smtp_server.py", inbox());
        h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(server_->port());
        h.system.env["VARMIO_MAIL_FROM"] = "wizard@example.com";
        writeFile(h.work() + "/one.txt", "one");
        writeFile(h.work() + "/two.txt", "two");
        ASSERT_TRUE(h.start(h.work() + "/one.txt " + h.work() + "/two.txt"));
        h.setConfig("txt_MAIL_CAP", "");
        h.setConfig("txt_MAIL_RECIP", "");
        cmd_next_Click(w());
        w().chk_cmpHTML.setValue(0);
        cmd_next_Click(w());
        w().cmd_mail.userClick();
    }
    std::string inbox() const { return (serverFiles_.path() / "inbox").string(); }
    WizardWindow& w() { return h.window(); }
    void send(const std::string& recipient, const std::string& subject) {
        w().txt_MAIL_RECIP.text = recipient;
        w().txt_MAIL_CAP.text = subject;
        w().txt_MAIL_MESS.text = "Numbers attached.";
        cmd_next_Click(w());
    }
    std::string message() { return h.dialogs.shown.empty() ? "" : h.dialogs.shown.back(); }

    TempDir serverFiles_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;  // goes first, before the server it may still talk to
};

TEST_F(MailDeliveryTest, NothingIsSentWithoutAValidRecipientOrWhileASessionIsOpen) {
    w().txt_MAIL_RECIP.text = "boss";
    mailSend(w());  // the send checks again, as the Next button does
    EXPECT_EQ(message(), "Please enter a valid e-mail address for the recipient.");

    w().mailSessionOpen = true;
    send("boss@example.com", "Quarterly");
    EXPECT_EQ(message(), "Session already established");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_TRUE(fs::is_empty(inbox()));
}

TEST_F(MailDeliveryTest, FailedSendKeepsHistoriesAndText) {
    h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(closedPort());
    send("boss@example.com", "Quarterly");
    const std::string failed = "The e-mail could not be sent (Couldn't connect to server";
    EXPECT_EQ(message().rfind(failed, 0), 0u) << message();
    EXPECT_EQ(message().substr(message().size() - 5), " [7])");
    EXPECT_EQ(w().txt_MAIL_MESS.text, "Numbers attached.");
    EXPECT_EQ(h.config("txt_MAIL_CAP"), "");
    EXPECT_FALSE(w().mailSessionOpen) << "the logoff still runs";
    EXPECT_TRUE(w().frm_export_1.visible);
}

}  // namespace
}  // namespace varmio::test
