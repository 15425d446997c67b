// Protection against real servers on 127.0.0.1: the mail system sends a login only over TLS
// unless the account says otherwise, and FTPS and SMTP trust a server's certificate only when
// its authority is trusted (here: one the test server makes, given as the CA file).
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/background_task.h"
#include "platform/curl_ftp_client.h"
#include "platform/errors.h"
#include "platform/smtp_mail_system.h"
#include "support/temp_dir.h"
#include "support/wizard/harness.h"
#include "test_servers.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

class SmtpSecurity : public ::testing::Test {
  protected:
    void start(const std::vector<std::string>& options) {
        server_ = std::make_unique<ScriptServer>("smtp_server.py", inbox(), options);
    }
    std::string inbox() const { return (files_.path() / "inbox").string(); }
    std::string certificates() const { return (files_.path() / "certs").string(); }
    MailServer account(MailSecurity security) const {
        return {"127.0.0.1", server_->port(), security, "guest", "secret", "wizard@example.com"};
    }
    // Sends one message; "" when it went, else the failure's number and description.
    std::string send(const MailServer& server, const std::string& caFile) {
        SmtpMailSystem mail(server, {10, caFile});
        try {
            mail.send({"bob@example.com", "Hello", "Text.", {}});
            return "";
        } catch (const RuntimeError& e) {
            return std::to_string(e.number()) + " " + e.what();
        }
    }

    TempDir files_;
    std::unique_ptr<ScriptServer> server_;
};

TEST_F(SmtpSecurity, StartTlsWithATrustedCertificateCarriesTheLogin) {
    start({"--starttls", certificates(), "--auth"});
    const std::string ca = certificates() + "/ca.pem";
    EXPECT_EQ(send(account(MailSecurity::StartTls), ca), "");
    EXPECT_TRUE(fs::exists(inbox() + "/1.eml"));
    const std::string logins = readFile(inbox() + "/auth.log");
    EXPECT_EQ(logins, "PLAIN guest secret\n");

    // The system's store knows nothing of the test's authority: the failure names the cause,
    // and the login is never sent.
    fs::remove(inbox() + "/auth.log");
    EXPECT_EQ(send(account(MailSecurity::StartTls), ""),
              "60 SSL peer certificate or SSH remote key was not OK (SSL certificate problem: "
              "unable to get local issuer certificate)");
    EXPECT_FALSE(fs::exists(inbox() + "/auth.log"));
    EXPECT_FALSE(fs::exists(inbox() + "/2.eml"));
}

TEST_F(SmtpSecurity, NoStartTlsNoPasswordUnlessTheAccountSaysNone) {
    start({"--auth"});
    for (MailSecurity security : {MailSecurity::StartTls, MailSecurity::Opportunistic})
        EXPECT_EQ(send(account(security), ""),
                  "64 Requested SSL level failed (STARTTLS not supported.)");
    EXPECT_FALSE(fs::exists(inbox() + "/auth.log")) << "the password never left";
    EXPECT_FALSE(fs::exists(inbox() + "/1.eml"));

    EXPECT_EQ(send(account(MailSecurity::None), ""), "");  // the user's own choice
    EXPECT_TRUE(fs::exists(inbox() + "/auth.log"));
    EXPECT_TRUE(fs::exists(inbox() + "/1.eml"));
}

// (Listings over FTPS itself are not tested: this pyftpdlib resets libcurl's TLS data
// connections now and then.)
TEST_F(SmtpSecurity, FtpsSendsNoLoginToAnUntrustedServer) {
    const std::string root = (files_.path() / "root").string();
    ScriptServer ftps("ftp_server.py", root, {"--tls", certificates()});
    CurlFtpClient ftp({10, ""});
    ftp.remoteHost = "ftps://127.0.0.1:" + std::to_string(ftps.port());
    ftp.userName = "guest";
    ftp.password = "secret";
    ftp.execute("DIR *");
    pollWhile([&] { return ftp.busy(); }, [] {});
    try {
        ftp.checkResult();
        ADD_FAILURE() << "an untrusted certificate was taken";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(std::to_string(e.number()) + " " + e.what(),
                  "35810 SSL peer certificate or SSH remote key was not OK (SSL certificate "
                  "problem: unable to get local issuer certificate)");
    }
    EXPECT_EQ(readFile(root + ".log"), "AUTH SSL\n");
}

}  // namespace
}  // namespace varmio::test
