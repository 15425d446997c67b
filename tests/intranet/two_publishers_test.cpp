// Two wizards publishing into one intranet at the same time lose no document, and the index
// page lists every document on disk once both are done.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/wizard/harness.h"

namespace varmio::test {
namespace {

namespace fs = std::filesystem;
constexpr int kDocumentsEach = 100;

void publishMany(const fs::path& root, int publisher) {
    WizardHarness h;
    h.random = LcgRandom(1000 + publisher);
    writeFile(h.work() + "/tmp.pdf", "%PDF-1.4\r\n");
    writeFile(h.windir() + "/varmiocv.ini", "[settings]\r\npdf=1\r\npat=" + h.work() + "\r\n");
    h.setConfig("MYINTRA", "Company\xFE" + root.string() + "\xFE\xFF");
    h.setConfig("go_thru_intra", "1");
    if (!h.start("drv")) ::_exit(2);
    WizardWindow& w = h.window();
    for (int i = 0; i < kDocumentsEach; ++i) {
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

TEST(TwoPublishers, PublishingAtOnceLosesNothingAndTheIndexListsAll) {
    TempDir dir;
    const fs::path root = dir.path() / "intra";
    fs::create_directories(root);
    pid_t publishers[2];
    for (int p = 0; p < 2; ++p)
        if ((publishers[p] = ::fork()) == 0) publishMany(root, p);
    for (pid_t pid : publishers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    }

    int records = 0;
    for (const auto& entry : fs::directory_iterator(root))
        records += entry.path().extension() == ".dni";
    EXPECT_EQ(records, 2 * kDocumentsEach);
    const std::string index = readFile((root / "index.html").string());
    for (int p = 0; p < 2; ++p)
        for (int i = 0; i < kDocumentsEach; ++i) {
            const std::string title = "Document " + std::to_string(p) + "-" + std::to_string(i);
            EXPECT_NE(index.find(">" + title + "</A>"), std::string::npos) << title;
        }
}

}  // namespace
}  // namespace varmio::test
