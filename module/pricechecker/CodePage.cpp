#include "pricechecker/CodePage.h"

#include "core/Errors.h"
#include "files/CodePage.h"

namespace Devices::PriceChecker {

namespace {

// Every character must convert (no transliteration); the checker's own message replaces
// the file layer's.
std::string convert(const std::string& text, const char* from, const char* to) {
    try {
        return Files::convert(text, from, to);
    } catch (const Files::CodePageError&) {
        throw Core::PlacedRuntimeError(EncodingError, CORE_SRC_INFO("Devices::PriceChecker::convert"));
    }
}

}  // namespace

std::string toWindows1250(const std::string& utf8) { return convert(utf8, "UTF-8", "CP1250"); }

std::string toCp852(const std::string& utf8) { return convert(toWindows1250(utf8), "CP1250", "IBM852"); }

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < utf8.size() && characters < count; ++characters) {
        ++end;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
            ++end;  // continuation bytes
    }
    return utf8.substr(0, end);
}

std::string fitLeft(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

}  // namespace Devices::PriceChecker
