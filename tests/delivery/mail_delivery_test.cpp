// Mail delivery through a real SMTP server on 127.0.0.1: one message per send with every file
// row attached, the subject and recipient histories, and the refusals before anything is sent.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "delivery/channels.h"
#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

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

TEST_F(MailDeliveryTest, OneMessageCarriesEveryRow) {
    page_->send("boss@example.com", "Quarterly");
    EXPECT_EQ(page_->message(), "The e-mail has been handed to your mail program for sending.");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_EQ(w().cmd_close.caption, "Finish");
    EXPECT_FALSE(w().mailSessionOpen);

    ASSERT_EQ(received().size(), 1u);
    const std::string mail = received()[0];
    EXPECT_EQ(received(".env")[0], "from wizard@example.com\nto boss@example.com\n");
    EXPECT_TRUE(has(mail, "Subject: Quarterly\r\n")) << mail;
    EXPECT_TRUE(has(mail, "To: boss@example.com\r\n"));
    EXPECT_TRUE(has(mail, "Numbers attached."));
    EXPECT_TRUE(has(mail, "filename=\"one.txt\"") && has(mail, "b25l")) << "one.txt attached";
    EXPECT_TRUE(has(mail, "filename=\"two.txt\"") && has(mail, "dHdv")) << "marked rows too";

    EXPECT_EQ(w().txt_MAIL_MESS.text, "");
    EXPECT_EQ(page_->h.config("txt_MAIL_CAP"), "Quarterly|");
    EXPECT_EQ(page_->h.config("txt_MAIL_RECIP"), "boss@example.com|");
    EXPECT_EQ(w().txt_MAIL_CAP.items, std::vector<std::string>{"Quarterly"});

    page_->open();
    page_->send("boss@example.com", "Quarterly");
    page_->open();
    page_->send("boss@example.com", "quarterly");
    EXPECT_EQ(received().size(), 3u);
    EXPECT_EQ(page_->h.config("txt_MAIL_CAP"), "Quarterly|quarterly|")
        << "a known subject is not added twice; the test minds case";
    EXPECT_EQ(w().txt_MAIL_CAP.items, (std::vector<std::string>{"Quarterly", "quarterly"}));
    EXPECT_EQ(page_->h.config("txt_MAIL_RECIP"), "boss@example.com|");
}

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

TEST(MailWithoutServer, ReportsNoMailSystem) {
    MailPage page("");
    page.send("boss@example.com", "Quarterly");
    EXPECT_EQ(page.message(), "The e-mail could not be sent (No_MAPI_Client [000000])");
    EXPECT_TRUE(page.w().frm_export_1.visible);
    EXPECT_EQ(page.w().cmd_close.caption, "Finish");
    EXPECT_FALSE(page.w().mailSessionOpen);
}

}  // namespace
}  // namespace varmio::test
