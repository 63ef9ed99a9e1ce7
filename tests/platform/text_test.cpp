#include <gtest/gtest.h>

#include "platform/text_encoding.h"
#include "platform/token_reader.h"

namespace mizaro {
namespace {

TEST(TextEncoding, YakuNamesBecomeTheirCodePage932Bytes) {
    EXPECT_EQ(Utf8ToCp932("リーチ"), "\x83\x8a\x81\x5b\x83\x60");
    EXPECT_EQ(Utf8ToCp932("Ｗリーチ"), "\x82\x76\x83\x8a\x81\x5b\x83\x60");
    EXPECT_EQ(Cp932ToUtf8("\x83\x8a\x81\x5b\x83\x60"), "リーチ");
    EXPECT_EQ(Utf8ToCp932("default"), "default");
    EXPECT_EQ(Utf8ToCp932(""), "");
}

TEST(TextEncoding, RefusesWhatCannotBeConverted) {
    EXPECT_FALSE(Utf8ToCp932("\xf0\x9f\x80\x84").has_value()) << "a character outside CP932";
    EXPECT_FALSE(Utf8ToCp932("\xe3\x83").has_value()) << "cut UTF-8";
    EXPECT_FALSE(Cp932ToUtf8("\x83").has_value()) << "a lead byte without its trail";
}

TEST(TokenReader, ReadsEitherLineEndAndWholeNumbersOnly) {
    TokenReader in("N\t12\r\nAgariTen 1.5\n\n  x12 12x -7 +3 2147483648 1e3 nan");
    EXPECT_EQ(in.Next(), "N");
    EXPECT_EQ(in.NextInt(), 12);
    EXPECT_EQ(in.Next(), "AgariTen");
    EXPECT_EQ(in.NextReal(), 1.5);
    EXPECT_FALSE(in.NextInt().has_value());
    EXPECT_EQ(in.Next(), "x12") << "a token that is not a number stays to be read";
    EXPECT_FALSE(in.NextInt().has_value());
    EXPECT_EQ(in.Next(), "12x");
    EXPECT_EQ(in.NextInt(), -7);
    EXPECT_FALSE(in.NextInt().has_value()) << "no plus sign";
    in.Next();
    EXPECT_FALSE(in.NextInt().has_value()) << "beyond the int range";
    in.Next();
    EXPECT_EQ(in.NextReal(), 1000.0);
    EXPECT_FALSE(in.NextReal().has_value());
    in.Next();
    EXPECT_TRUE(in.AtEnd());
    EXPECT_FALSE(in.Next().has_value());
}

}  // namespace
}  // namespace mizaro
