// Device texts in single-byte code pages. Texts inside the program are UTF-8; files for
// the devices are written in the host's code page (windows-1250) and the Elzab RS names
// in code page 852. Convert first, then cut and pad: widths count characters.
#pragma once

#include <cstddef>
#include <string>

namespace Devices::PriceChecker {

// Host contract: the message of a character that has no place in the target code page.
inline constexpr const char* EncodingError = "Error encoding/decoding string";

// UTF-8 text in windows-1250; raises EncodingError for a character outside it.
std::string toWindows1250(const std::string& utf8);
// UTF-8 text as a windows-1250 text converted to code page 852: a character must exist
// in both; raises EncodingError otherwise.
std::string toCp852(const std::string& utf8);

// The first `count` characters of a UTF-8 text (all of it when shorter).
std::string firstCharacters(const std::string& utf8, std::size_t count);

// Single-byte text cut or padded with spaces on the right to exactly `width` bytes.
std::string fitLeft(std::string text, std::size_t width);

}  // namespace Devices::PriceChecker
