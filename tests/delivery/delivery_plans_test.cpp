// The delivery rules as plain values: which FTP steps run in which order, how a listing turns
// into folder rows, which rows a folder copy takes, and the send report's line.
#include <gtest/gtest.h>

#include <fstream>

#include "delivery/folder_copy.h"
#include "delivery/ftp_folders.h"
#include "delivery/ftp_plan.h"
#include "delivery/send_report.h"
#include "platform/errors.h"
#include "support/temp_dir.h"

namespace varmio {
namespace {

using Kind = FtpStep::Kind;

const std::vector<FileRow> kRows = {
    {"/w/", "a.gif", " "}, {"/w/", "b.txt", "X"}, {"", "c.pdf", ""}};

TEST(FtpPlans, SendAndListingStepsInOrder) {
    const FtpSendInput send{{"host", "gu/est", "pw"}, "", kRows, true, "/tmp", "page.htm"};
    const std::vector<FtpStep> sent = {
        {Kind::Transfer, "CD ", ""},
        {Kind::OpenList, "/tmp/gu_est.lst", ""},
        {Kind::Transfer, "PUT /w/a.gif a.gif", "/w/a.gif"},
        {Kind::ListLine, "a.gif", ""},
        {Kind::Transfer, "PUT c.pdf c.pdf", "c.pdf"},
        {Kind::ListLine, "c.pdf", ""},
        {Kind::CloseList, "", ""},
        {Kind::Transfer, "PUT /tmp/gu_est.lst gu_est.lst", "/tmp/gu_est.lst"},
        {Kind::Transfer, "PUT /tmp/page.htm page.htm", "/tmp/page.htm"},
        {Kind::Close, "CLOSE", ""}};
    EXPECT_EQ(ftpSendPlan(send).steps, sent) << "a typed user name keeps the list in its folder";

    EXPECT_EQ(ftpListingPlan({}, "pub/", "/p").steps.front().text, "CD pub/");
    EXPECT_EQ(ftpListingPlan({}, "", "/p").steps.front().text, "PUT /p/qdrn.sec qdrn.sec")
        << "the login folder needs no CD";
}

TEST(FtpFolders, ListingRowsAndTheWayBack) {
    FolderRows rows = folderRows("./\r\n../\r\npub/\r\nreadme.txt\r\nMy Docs/\r\n\r\n");
    EXPECT_EQ(rows.folders, (std::vector<std::string>{"pub/", "My Docs/"}));
    EXPECT_TRUE(rows.complete);
    rows = folderRows("a/\r\nb/");
    EXPECT_EQ(rows.folders, std::vector<std::string>{"a/"}) << "rows before the bad line stand";
    EXPECT_FALSE(rows.complete);

    EXPECT_EQ(parentPath("pub/docs"), "pub/") << "a last part without \"/\" goes as well";
    EXPECT_TRUE(isBackRow("[Back]"));
    EXPECT_FALSE(isBackRow("[a]b/"));
}

TEST(FolderCopy, OnlyBlankMarkedRowsGoToTheTypedTarget) {
    EXPECT_EQ(folderCopyPlan(kRows, "/out/"), (std::vector<FileCopy>{{"/w/a.gif", "/out//a.gif"}}));
}

TEST(SendReport, LinePerRowAndAMissingFileFails) {
    TempDir dir;
    const std::string folder = dir.path().string() + "/";
    std::ofstream(folder + "one.txt") << "1234";
    const std::string report = sendReportLine({folder, "one.txt", "X"}, {"B", "at "});
    EXPECT_EQ(report.rfind(folder + "one.txt - 4B - at ", 0), 0u) << report;
    EXPECT_EQ(report.substr(report.size() - 2), "\r\n");
    try {
        sendReportLine({folder, "gone.txt", " "}, {"B", "at "});
        ADD_FAILURE() << "a missing file must fail";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), errnum::kFileNotFound);
    }
}

}  // namespace
}  // namespace varmio
