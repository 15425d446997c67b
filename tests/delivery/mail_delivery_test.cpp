// Mail delivery through a real SMTP server on 127.0.0.1: the mail session and what a failed send
// leaves as it was. (Messages as sent are checked by the end-to-end mail script.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/smtp_mail_system.h"
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
        server_ = std::make_unique<ScriptServer>("smtp_server.py", inbox());
        h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(server_->port());
        h.system.env["VARMIO_MAIL_FROM"] = "wizard@example.com";
        ASSERT_TRUE(h.startOnDeliveryPage({"one.txt", "two.txt"}));
        h.setConfig("txt_MAIL_CAP", "");
        h.setConfig("txt_MAIL_RECIP", "");
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

    TempDir serverFiles_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;  // goes first, before the server it may still talk to
};

TEST_F(MailDeliveryTest, NothingIsSentWithoutAValidRecipientOrWhileASessionIsOpen) {
    w().txt_MAIL_RECIP.text = "boss";
    mailSend(w());  // the send checks again, as the Next button does
    EXPECT_EQ(h.dialogs.last(), "Please enter a valid e-mail address for the recipient.");

    w().mailSessionOpen = true;
    send("boss@example.com", "Quarterly");
    EXPECT_EQ(h.dialogs.last(), "Session already established");
    EXPECT_TRUE(w().frm_export_1.visible);
    EXPECT_TRUE(fs::is_empty(inbox()));
}

TEST_F(MailDeliveryTest, FailedSendKeepsHistoriesAndText) {
    h.system.env["VARMIO_SMTP_URL"] = "smtp://127.0.0.1:" + std::to_string(closedPort());
    send("boss@example.com", "Quarterly");
    const std::string failed = "The e-mail could not be sent (Couldn't connect to server";
    EXPECT_EQ(h.dialogs.last().rfind(failed, 0), 0u) << h.dialogs.last();
    EXPECT_EQ(h.dialogs.last().substr(h.dialogs.last().size() - 5), " [7])");
    EXPECT_EQ(w().txt_MAIL_MESS.text, "Numbers attached.");
    EXPECT_EQ(h.config("txt_MAIL_CAP"), "");
    EXPECT_FALSE(w().mailSessionOpen) << "the logoff still runs";
    EXPECT_TRUE(w().frm_export_1.visible);
}

// The file names a reader takes from a stored message, one per line (Python's own mail parser).
std::string attachmentNames(const std::string& eml) {
    const std::string names = eml + ".names";
    const std::string command =
        "/usr/bin/python3 -c 'import email,sys; m=email.message_from_binary_file("
        "open(sys.argv[1],\"rb\")); [print(repr(p.get_filename())) for p in m.walk() "
        "if p.get_filename()]' " +
        eml + " >" + names;
    return std::system(command.c_str()) == 0 ? readFile(names) : "";
}

// A file's name is the sender's to choose, line breaks and all: it must arrive as the name and
// never as a header line of its own.
TEST_F(MailDeliveryTest, AttachmentNamesCannotAddHeaders) {
    const std::string evil = "evil\r\nBcc: eve@example.com\r\nX-Extra: 1.txt";
    writeFile(h.work() + "/" + evil, "evil");
    writeFile(h.work() + "/Grüße \"1\".pdf", "%PDF");
    SmtpMailSystem mail(
        {"127.0.0.1", server_->port(), MailSecurity::Opportunistic, "", "", "wizard@example.com"},
        {});
    mail.send({"bob@example.com",
               "Names",
               "Two files.",
               {{evil, 0, h.work() + "/" + evil},
                {"Grüße \"1\".pdf", 0, h.work() + "/Grüße \"1\".pdf"},
                {"plain \"name\".txt", 0, h.work() + "/one.txt"}}});

    const std::string eml = inbox() + "/1.eml";
    const std::string message = readFile(eml);
    EXPECT_EQ(message.find("\nBcc:"), std::string::npos);
    EXPECT_EQ(message.find("\nX-Extra:"), std::string::npos);
    EXPECT_NE(message.find("filename*=UTF-8''evil%0D%0ABcc%3A%20eve%40example.com%0D%0AX-Extra"),
              std::string::npos);
    EXPECT_NE(message.find("filename=\"plain \\\"name\\\".txt\""), std::string::npos);
    EXPECT_EQ(readFile(inbox() + "/1.env"), "from wizard@example.com\nto bob@example.com\n");
    EXPECT_EQ(attachmentNames(eml),
              "'evil\\r\\nBcc: eve@example.com\\r\\nX-Extra: 1.txt'\n'Grüße \"1\".pdf'\n"
              "'plain \"name\".txt'\n");
}

}  // namespace
}  // namespace varmio::test
