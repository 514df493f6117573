#include "pricechecker/CodePage.h"

#include <iconv.h>

#include <mutex>

#include "core/Errors.h"

namespace Devices::PriceChecker {

namespace {

// One direction of conversion, opened once: opening a converter loads its tables, which
// would cost more than the conversion of a short name. A converter has state, so one
// conversion runs at a time.
class Converter {
public:
    Converter(const char* from, const char* to) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (opened()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Every character must convert (no transliteration).
    std::string operator()(const std::string& text) {
        if (!opened()) throw Core::PlacedRuntimeError(EncodingError, CORE_SRC_INFO("Devices::PriceChecker::convert"));
        std::lock_guard lock(mutex_);
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // a failed conversion may have left a shift state
        std::string input = text;
        std::string output(text.size() * 4 + 4, '\0');
        char* in = input.data();
        char* out = output.data();
        std::size_t inLeft = input.size(), outLeft = output.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            throw Core::PlacedRuntimeError(EncodingError, CORE_SRC_INFO("Devices::PriceChecker::convert"));
        output.resize(output.size() - outLeft);
        return output;
    }

private:
    bool opened() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
    std::mutex mutex_;
};

}  // namespace

std::string toWindows1250(const std::string& utf8) {
    static Converter fromUtf8("UTF-8", "CP1250");
    return fromUtf8(utf8);
}

std::string toCp852(const std::string& utf8) {
    static Converter fromWindows1250("CP1250", "IBM852");
    return fromWindows1250(toWindows1250(utf8));
}

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
