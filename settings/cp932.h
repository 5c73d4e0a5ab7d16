// Conversion between the game's UTF-8 texts and the Shift_JIS (code page 932) bytes its files
// are written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Nothing when the text holds a character the other side cannot express, or bytes that are not
// valid in the source encoding.
std::optional<std::string> utf8_to_cp932(std::string_view text);
std::optional<std::string> cp932_to_utf8(std::string_view bytes);
