#include "platform/token_reader.h"

#include <charconv>
#include <cmath>

namespace mizaro {

std::size_t TokenReader::SkipSpace(std::size_t from) const {
    while (from < text_.size() && IsTextSpace(text_[from])) ++from;
    return from;
}

std::optional<std::string_view> TokenReader::Peek() const {
    std::size_t begin = SkipSpace(pos_);
    if (begin >= text_.size()) return std::nullopt;
    std::size_t end = begin;
    while (end < text_.size() && !IsTextSpace(text_[end])) ++end;
    return text_.substr(begin, end - begin);
}

std::optional<std::string_view> TokenReader::Next() {
    std::optional<std::string_view> token = Peek();
    if (token) pos_ = static_cast<std::size_t>(token->data() - text_.data()) + token->size();
    return token;
}

std::optional<int> TokenReader::NextInt() {
    std::optional<std::string_view> token = Peek();
    if (!token) return std::nullopt;
    std::optional<int> value = ParseDecimalInt(*token);
    if (value) Next();
    return value;
}

std::optional<double> TokenReader::NextReal() {
    std::optional<std::string_view> token = Peek();
    if (!token) return std::nullopt;
    std::optional<double> value = ParseDecimalReal(*token);
    if (value) Next();
    return value;
}

std::optional<int> ParseDecimalInt(std::string_view token) {
    // from_chars takes a minus sign but no plus sign, which is the file format exactly.
    int value = 0;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value);
    if (ec != std::errc() || ptr != end || token.empty()) return std::nullopt;
    return value;
}

std::optional<double> ParseDecimalReal(std::string_view token) {
    double value = 0.0;
    const char* end = token.data() + token.size();
    auto [ptr, ec] = std::from_chars(token.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || token.empty() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace mizaro
