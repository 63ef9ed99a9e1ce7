#include "app/page_output.h"

#include <gtest/gtest.h>

#include "platform/read_file.h"
#include "temp_dir.h"

namespace mizaro {
namespace {

using testing::TempDir;

TEST(PageOutput, WritesCodePage932AndKeepsTheOldPageWhenTheNewOneCannotBeWritten) {
    TempDir dir;
    const std::string path = dir.File("Report.htm");
    ASSERT_TRUE(WritePage(path, "<P>期待値</P>\n"));
    EXPECT_EQ(ReadWholeFile(path), "<P>\x8a\xfa\x91\xd2\x92\x6c</P>\n");

    // A character code page 932 cannot hold: nothing is written, the old page stays.
    EXPECT_FALSE(WritePage(path, "\xf0\x9f\x80\x84"));
    EXPECT_EQ(ReadWholeFile(path), "<P>\x8a\xfa\x91\xd2\x92\x6c</P>\n");
    EXPECT_FALSE(WritePage(dir.File("missing/Report.htm"), "<P></P>"));
}

}  // namespace
}  // namespace mizaro
