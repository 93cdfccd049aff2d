#ifndef TRUCEWARD_TOOLS_ARTGEN_TEXT_UTF8_H
#define TRUCEWARD_TOOLS_ARTGEN_TEXT_UTF8_H

#include <optional>
#include <string>

// Text as the game's catalogs and the lettering hold it: UTF-8 bytes one
// way, code points (UTF-32) the other.
namespace utf8 {

std::string encode(char32_t character);
std::string encode(const std::u32string& text);
// The code points of the bytes, or nothing when they are not UTF-8 (a
// stray or missing continuation byte, an overlong or surrogate form).
std::optional<std::u32string> decode(const std::string& bytes);

}  // namespace utf8

#endif
