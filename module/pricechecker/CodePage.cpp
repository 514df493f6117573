#include "pricechecker/CodePage.h"

#include <iconv.h>

#include <cerrno>

#include "core/Errors.h"

namespace Devices::PriceChecker {

namespace {

// One conversion with iconv; every character must convert (no transliteration).
std::string convert(const std::string& text, const char* from, const char* to) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw Core::PlacedRuntimeError(EncodingError, CORE_SRC_INFO("Devices::PriceChecker::convert"));
    std::string input = text;
    std::string output(text.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0)
        throw Core::PlacedRuntimeError(EncodingError, CORE_SRC_INFO("Devices::PriceChecker::convert"));
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::string toWindows1250(const std::string& utf8) { return convert(utf8, "UTF-8", "CP1250"); }

std::string toCp852(const std::string& utf8) { return convert(toWindows1250(utf8), "CP1250", "IBM852"); }

std::string firstCharacters(const std::string& utf8, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < utf8.size() && characters < count; ++characters) {
        ++end;
        while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;  // continuation bytes
    }
    return utf8.substr(0, end);
}

std::string fitLeft(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

}  // namespace Devices::PriceChecker
