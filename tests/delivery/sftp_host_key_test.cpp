// SFTP trusts a server only when the user's ~/.ssh/known_hosts vouches for its host key, or when
// the user said Yes to the key's fingerprint; a changed key is refused without a question. The
// server is a real one on 127.0.0.1 with keys it makes for the test.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/wizard/harness.h"
#include "test_servers.h"
#include "wizard/delivery/channels.h"
#include "wizard/page_sequence.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;

unsigned mode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST(SftpHostKey, KnownUnknownAndChangedKeys) {
    TempDir server;
    const std::string root = (server.path() / "root").string();
    const std::string key = (server.path() / "key").string();
    auto sftp = std::make_unique<ScriptServer>("sftp_server.py", root,
                                               std::vector<std::string>{"--host-key", key});

    WizardHarness h;
    const std::string home = h.work() + "/user";
    const std::string knownHosts = home + "/.ssh/known_hosts";
    fs::create_directories(home);
    h.system.env["HOME"] = home;
    ASSERT_TRUE(h.startOnDeliveryPage());
    WizardWindow& w = h.window();
    w.cmd_ftp.userClick();
    w.cmb_htmlfile.text = "page.htm";  // as if made
    writeFile(w.TmpFol + "/page.htm", "<HTML></HTML>");
    auto send = [&](int port) {
        w.txt_FTP_Serv.text = "sftp://127.0.0.1:" + std::to_string(port);
        w.txt_FTP_User.text = "guest";
        w.txt_FTP_Pass.text = "secret";
        const size_t before = h.dialogs.shown.size();
        ftpSend(w);
        return std::vector<std::string>(h.dialogs.shown.begin() + before, h.dialogs.shown.end());
    };
    const std::string host = "[127.0.0.1]:" + std::to_string(sftp->port());
    const std::string question =
        "The server " + host +
        " is not known yet: ~/.ssh/known_hosts holds no key for it. Its ssh-ed25519 key has the "
        "fingerprint " +
        readFile(key + ".sha256") + ". Trust this key, remember it and connect?";
    const std::string sent = "The files have been uploaded to the server.";

    // Unknown, and the user says No: no login, no file, nothing remembered.
    h.dialogs.answers = {"no"};
    EXPECT_EQ(send(sftp->port()),
              (std::vector<std::string>{question,
                                        "The files could not be uploaded to the server (The "
                                        "server's host key was not trusted; nothing was sent. "
                                        "[35810])"}));
    EXPECT_FALSE(fs::exists(home + "/.ssh"));
    EXPECT_FALSE(fs::exists(root + ".log"));

    // Yes: the key is remembered in OpenSSH's form, privately, and the send goes on.
    h.dialogs.answers = {"yes"};
    EXPECT_EQ(send(sftp->port()), (std::vector<std::string>{question, sent}));
    EXPECT_EQ(readFile(knownHosts), host + " " + readFile(key + ".pub"));
    EXPECT_EQ(mode(home + "/.ssh"), 0700u);
    EXPECT_EQ(mode(knownHosts), 0600u);
    EXPECT_EQ(readFile(root + "/one.txt"), "one");

    // Known: nothing is asked.
    EXPECT_EQ(send(sftp->port()), std::vector<std::string>{sent});

    // Changed: a server that shows another key where known_hosts holds the first.
    const std::string otherRoot = (server.path() / "other").string();
    sftp = std::make_unique<ScriptServer>(
        "sftp_server.py", otherRoot,
        std::vector<std::string>{"--host-key", (server.path() / "other_key").string()});
    const std::string other = "[127.0.0.1]:" + std::to_string(sftp->port());
    writeFile(knownHosts, readFile(knownHosts) + other + " " + readFile(key + ".pub"));
    const std::string before = readFile(knownHosts);
    EXPECT_EQ(send(sftp->port()),
              std::vector<std::string>{
                  "The files could not be uploaded to the server (The host key of the server " +
                  other + " has changed: its ssh-ed25519 key now has the fingerprint " +
                  readFile((server.path() / "other_key.sha256").string()) +
                  ", but ~/.ssh/known_hosts holds another key for it. Someone may be "
                  "intercepting the connection; nothing was sent. If the server's key was "
                  "changed on purpose, remove the old one with: ssh-keygen -R \"" +
                  other + "\" [35810])"});
    EXPECT_EQ(readFile(knownHosts), before);
    EXPECT_FALSE(fs::exists(otherRoot + ".log")) << "the password never left";
}

}  // namespace
}  // namespace varmio::test
