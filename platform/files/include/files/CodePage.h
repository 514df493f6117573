// Conversion of the program's UTF-8 text into a device's single-byte code page
// ("WINDOWS-1250", "CP852", any name iconv knows).
#pragma once

#include <stdexcept>
#include <string>

namespace Files {

class CodePageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises CodePageError "Tekstu '<text>' nie można zapisać w stronie kodowej <name>."
// for a character the code page lacks, and "Nieznana strona kodowa <name>." for a
// name iconv does not know.
std::string fromUtf8(const std::string& text, const std::string& codePage);

}  // namespace Files
