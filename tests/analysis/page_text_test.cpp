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

TEST(PageText, TheIndicatorOfTheLowestDoraKind) {
    KyokuState s;
    s.dora.fill(0);
    EXPECT_EQ(DoraIndicatorPath(s), "");
    s.dora[4] = 1;  // 5m, whose indicator is 4m
    EXPECT_EQ(DoraIndicatorPath(s), "img/m4.gif");
    s.dora[2] = 1;
    EXPECT_EQ(DoraIndicatorPath(s), "img/m2.gif");
    s.dora.fill(0);
    s.dora[kEast] = 1;  // the winds wrap: North shows East
    EXPECT_EQ(DoraIndicatorPath(s), "img/j4.gif");
}

}  // namespace
}  // namespace mizaro
