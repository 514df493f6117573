// The host's text type. Text is UTF-8 inside the program; this is a thin owner of it
// with the host's spelling of the usual operations.
#pragma once

#include <ostream>
#include <string>

class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const char* text) : text_(text ? text : "") {}
    AnsiString(std::string text) : text_(std::move(text)) {}

    const char* c_str() const noexcept { return text_.c_str(); }
    int Length() const noexcept { return static_cast<int>(text_.size()); }
    bool IsEmpty() const noexcept { return text_.empty(); }
    const std::string& str() const noexcept { return text_; }
    operator const std::string&() const noexcept { return text_; }

    friend bool operator==(const AnsiString&, const AnsiString&) = default;
    friend std::ostream& operator<<(std::ostream& os, const AnsiString& s) { return os << s.text_; }

private:
    std::string text_;
};
