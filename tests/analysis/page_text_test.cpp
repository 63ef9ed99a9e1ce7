#include "analysis/page_text.h"

#include <gtest/gtest.h>

namespace mizaro {
namespace {

TEST(PageText, AppendsTextOfAnyLengthWhole) {
    std::string out = "<P>";
    const std::string longKey(1000, 'A');
    AppendF(out, "<A NAME=%s>%5.2f %%</A>", longKey.c_str(), 12.345);
    EXPECT_EQ(out, "<P><A NAME=" + longKey + ">12.35 %</A>");
    AppendF(out, "%d", 7);
    EXPECT_EQ(out.substr(out.size() - 5), "</A>7");
}

}  // namespace
}  // namespace mizaro
