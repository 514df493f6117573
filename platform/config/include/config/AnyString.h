// The name argument of the configuration tree: any of the program's text types,
// taken as UTF-8.
#pragma once

#include <string>

#include "core/AnsiString.h"

namespace Korvel {

class TAnyString {
public:
    TAnyString(const char* text) : text_(text ? text : "") {}
    TAnyString(std::string text) : text_(std::move(text)) {}
    TAnyString(const AnsiString& text) : text_(text.str()) {}

    const std::string& str() const noexcept { return text_; }

private:
    std::string text_;
};

}  // namespace Korvel
