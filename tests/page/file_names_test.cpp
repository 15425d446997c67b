#include "page/file_names.h"

#include <gtest/gtest.h>

namespace varmio::test {
namespace {

TEST(IsItIMG, JudgesByTheNamesEnding) {
    for (const char* name :
         {"photo.JPG", "scan.jfif", "x.pjpeg", "a.peg", "b.gif", "c.PNG", "d.jpe", "e.pjp"})
        EXPECT_EQ(IsItIMG(name), 1) << name;
    for (const char* name : {"photo.jpeg", "doc.pdf", "gif", "x.gif.txt", ""})
        EXPECT_EQ(IsItIMG(name), 0) << name;
}

TEST(LeavesFolder, OnlyAbsoluteNamesAndParentStepsLeave) {
    for (const char* name : {"/etc/passwd", "../page.htm", "sub/../../x", "..", "a/.."})
        EXPECT_TRUE(leavesFolder(name)) << name;
    for (const char* name : {"page.htm", "sub/page.htm", "..page.htm", "a..b/c", ""})
        EXPECT_FALSE(leavesFolder(name)) << name;
}

}  // namespace
}  // namespace varmio::test
