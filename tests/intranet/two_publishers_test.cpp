// Two wizards publishing into one intranet at the same time lose no document, and the index
// page lists every document on disk once both are done.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>

#include "platform/folder_lock.h"
#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;
constexpr int kDocumentsEach = 100;

void publishMany(const fs::path& root, int publisher, int documents = kDocumentsEach) {
    WizardHarness h;
    h.random = LcgRandom(1000 + publisher);
    writeFile(h.work() + "/tmp.pdf", "%PDF-1.4\r\n");
    writeFile(h.windir() + "/varmiocv.ini", "[settings]\r\npdf=1\r\npat=" + h.work() + "\r\n");
    h.setConfig("MYINTRA", "Company\xFE" + root.string() + "\xFE\xFF");
    h.setConfig("go_thru_intra", "1");
    if (!h.start("drv")) ::_exit(2);
    WizardWindow& w = h.window();
    for (int i = 0; i < documents; ++i) {
        w.tvwIntra.userNodeClick(1);
        h.dialogs.answers.push_back("Document " + std::to_string(publisher) + "-" +
                                    std::to_string(i));
        w.cmd_next.userClick();
        if (h.dialogs.shown.back() != "The document has been published to the intranet.")
            ::_exit(3);
        w.cmd_intra.userClick();
    }
    ::_exit(0);
}

int recordsIn(const fs::path& folder) {
    int records = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        records += entry.path().extension() == ".dni";
    return records;
}

int exitOf(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Publishing at once rarely overlaps at the very end, so the lock is proven on its own: a
// publisher touches nothing while another wizard holds the intranet.
TEST(TwoPublishers, APublisherWaitsWhileAnotherHoldsTheIntranet) {
    TempDir dir;
    const fs::path root = dir.path() / "intra";
    fs::create_directories(root);
    // The lock is taken after the fork, or the publisher would inherit it.
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t publisher = ::fork();
    if (publisher == 0) {
        char byte;
        if (::read(go[0], &byte, 1) != 1) ::_exit(4);
        publishMany(root, 0, 1);
    }
    std::optional<FolderLock> other(std::in_place, root.string());
    ASSERT_TRUE(other->held());
    ASSERT_EQ(::write(go[1], "x", 1), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(recordsIn(root), 0);
    EXPECT_FALSE(fs::exists(root / "index.html"));
    other.reset();
    EXPECT_EQ(exitOf(publisher), 0);
    EXPECT_EQ(recordsIn(root), 1);
}

TEST(TwoPublishers, PublishingAtOnceLosesNothingAndTheIndexListsAll) {
    TempDir dir;
    const fs::path root = dir.path() / "intra";
    fs::create_directories(root);
    pid_t publishers[2];
    for (int p = 0; p < 2; ++p)
        if ((publishers[p] = ::fork()) == 0) publishMany(root, p);
    for (pid_t pid : publishers)
        ASSERT_EQ(exitOf(pid), 0);

    EXPECT_EQ(recordsIn(root), 2 * kDocumentsEach);
    const std::string index = readFile((root / "index.html").string());
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kDocumentsEach; ++i) {
            const std::string title = "Document " + std::to_string(p) + "-" + std::to_string(i);
            EXPECT_NE(index.find(">" + title + "</A>"), std::string::npos) << title;
        }
}

}  // namespace
}  // namespace varmio::test
