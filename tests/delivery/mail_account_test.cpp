// The mail account's password against a real SMTP server (STARTTLS and a login, its CA given
// through VARMIO_CA_FILE): without a keyring it is asked for once per run and never written;
// with the desktop's keyring (a private GNOME Keyring, see with_secret_service.sh) it is kept
// there between runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/secret_service_keyring.h"
#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/delivery/mail_account_dialog.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class MailAccount : public ::testing::Test {
  protected:
    void SetUp() override {
        server_ = std::make_unique<ScriptServer>(
            "smtp_server.py", inbox(),
            std::vector<std::string>{"--starttls", certificates(), "--auth"});
        h.system.env["VARMIO_CA_FILE"] = certificates() + "/ca.pem";
        h.host.onModal = [this](Form& form) {
            auto& dialog = dynamic_cast<MailAccountDialog&>(form);
            ++asked;
            shownPassword = dialog.txt_ACC_PASS.text;
            dialog.txt_ACC_FROM.text = "jane@example.com";
            dialog.txt_ACC_SERVER.text = "127.0.0.1";
            dialog.txt_ACC_PORT.text = std::to_string(server_->port());
            dialog.txt_ACC_USER.text = "guest";
            dialog.txt_ACC_PASS.text = "secret";
            dialog.chk_acc_remember.setValue(remember);
            dialog.cmd_ok.userClick();
        };
        ASSERT_TRUE(h.startOnDeliveryPage());
    }
    std::string inbox() const { return (files_.path() / "inbox").string(); }
    std::string certificates() const { return (files_.path() / "certs").string(); }
    WizardWindow& w() { return h.window(); }
    void send() {
        w().cmd_mail.userClick();
        w().txt_MAIL_RECIP.text = "bob@example.com";
        w().txt_MAIL_CAP.text = "Figures";
        cmd_next_Click(w());
    }

    TempDir files_;
    std::unique_ptr<ScriptServer> server_;
    WizardHarness h;
    int asked = 0;
    int remember = 1;
    std::string shownPassword;
};

TEST_F(MailAccount, WithoutAKeyringThePasswordIsAskedOncePerRunAndNeverWritten) {
    send();
    send();
    EXPECT_EQ(h.dialogs.last(), "The e-mail has been handed to your mail program for sending.");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(fs::exists(inbox() + "/2.eml"));
    EXPECT_EQ(readFile(inbox() + "/auth.log"), "PLAIN guest secret\nPLAIN guest secret\n");
    EXPECT_EQ(h.settings().ReadSetting("MAIL_ACCOUNT", "user"), "guest");
    EXPECT_EQ(readFile((fs::path(h.home()).parent_path() / "registry.db").string()).find("secret"),
              std::string::npos);

    w().mailPassword.reset();  // the next run knows nothing of it
    send();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(shownPassword, "");
}

TEST_F(MailAccount, TheDesktopKeyringKeepsThePasswordBetweenRuns) {
    if (!std::getenv("VARMIO_TEST_SECRET_SERVICE")) GTEST_SKIP() << "needs with_secret_service.sh";
    SecretServiceKeyring keyring;
    ASSERT_TRUE(keyring.available());
    w().keyring = &keyring;
    send();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(keyring.lookup("127.0.0.1", "guest"), "secret");

    w().mailPassword.reset();  // a new run: the keyring answers
    send();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(fs::exists(inbox() + "/2.eml"));

    remember = 0;  // the Account button shows the kept password; unticked, it is forgotten
    w().cmd_mail.userClick();
    w().cmd_mail_account.userClick();
    EXPECT_EQ(shownPassword, "secret");
    EXPECT_EQ(keyring.lookup("127.0.0.1", "guest"), std::nullopt);
}

}  // namespace
}  // namespace varmio::test
