// Label files carry their texts in the host's single-byte code page. Texts are
// converted before they are cut to width, so that widths count characters.
#pragma once

#include <string>

namespace Labels {

// Host contract: the code page of label files.
inline constexpr const char* labelCodePage = "WINDOWS-1250";

// The UTF-8 text in the label code page; a character the code page lacks raises a
// runtime error naming the text.
std::string toLabelCodePage(const std::string& utf8);

}  // namespace Labels
