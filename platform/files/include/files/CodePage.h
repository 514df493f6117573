// Conversion of text between code pages ("UTF-8", "WINDOWS-1250", "CP852", any name
// iconv knows). Texts inside the program are UTF-8; device files are single-byte.
#pragma once

#include <stdexcept>
#include <string>

namespace Files {

class CodePageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A code page name iconv does not know; callers that word their own errors tell it
// apart from a text that does not fit.
class UnknownCodePageError : public CodePageError {
public:
    using CodePageError::CodePageError;
};

// The text in code page `to`; every character must convert (no transliteration).
// Raises CodePageError "Tekstu '<text>' nie można zapisać w stronie kodowej <to>."
// for a character the target lacks (or bytes that are not valid in `from`), and
// UnknownCodePageError "Nieznana strona kodowa <name>." for a name iconv does not know.
std::string convert(const std::string& text, const std::string& from, const std::string& to);

// convert() from UTF-8.
std::string fromUtf8(const std::string& text, const std::string& codePage);

}  // namespace Files
