// Reads a text as white-space separated tokens, the way every text file of the program is read:
// any run of blanks, tabs, CR or LF separates two tokens, so files with either line end read
// the same. Numbers are parsed from whole tokens only, so "12abc" is not the number 12.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace mizaro {

constexpr bool IsTextSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

class TokenReader {
  public:
    explicit TokenReader(std::string_view text) : text_(text) {}

    // The next token, or nothing at the end of the text.
    std::optional<std::string_view> Next();
    // The next token without consuming it.
    std::optional<std::string_view> Peek() const;
    // Consumes the next token when it is a whole decimal int (optional minus sign).
    std::optional<int> NextInt();
    // Consumes the next token when it is a whole finite decimal real number.
    std::optional<double> NextReal();

    bool AtEnd() const { return SkipSpace(pos_) >= text_.size(); }

  private:
    std::size_t SkipSpace(std::size_t from) const;

    std::string_view text_;
    std::size_t pos_ = 0;
};

// A whole decimal int: an optional minus sign and digits, within the int range.
std::optional<int> ParseDecimalInt(std::string_view token);
// A whole finite real number in decimal notation (no hexadecimal, no infinity or NaN).
std::optional<double> ParseDecimalReal(std::string_view token);

}  // namespace mizaro
