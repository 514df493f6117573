#include "files/CodePage.h"

#include <iconv.h>

#include <boost/format.hpp>
#include <map>
#include <memory>
#include <utility>

namespace Files {

namespace {

class Converter {
public:
    Converter(const std::string& from, const std::string& to) : handle_(iconv_open(to.c_str(), from.c_str())) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            const bool fromKnown = known(from);
            throw UnknownCodePageError((boost::format("Nieznana strona kodowa %1%.") % (fromKnown ? to : from)).str());
        }
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // False when the text holds a character the target lacks, or bytes invalid in the source.
    bool convert(const std::string& text, std::string& result) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // a failed conversion may have left a shift state
        // No character takes more than four bytes in any code page iconv writes.
        result.resize(text.size() * 4 + 4);
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* out = result.data();
        std::size_t outLeft = result.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
        result.resize(result.size() - outLeft);
        return true;
    }

private:
    static bool known(const std::string& codePage) {
        const iconv_t probe = iconv_open("UTF-8", codePage.c_str());
        if (probe == reinterpret_cast<iconv_t>(-1)) return false;
        iconv_close(probe);
        return true;
    }

    iconv_t handle_;
};

// Opening a converter loads its tables, which costs more than converting a short name,
// so each thread keeps the converters it opened; a converter has state, hence per thread.
Converter& converter(const std::string& from, const std::string& to) {
    thread_local std::map<std::pair<std::string, std::string>, std::unique_ptr<Converter>> opened;
    auto& slot = opened[{from, to}];
    if (!slot) slot = std::make_unique<Converter>(from, to);
    return *slot;
}

}  // namespace

std::string convert(const std::string& text, const std::string& from, const std::string& to) {
    std::string result;
    if (!converter(from, to).convert(text, result))
        throw CodePageError((boost::format("Tekstu '%1%' nie można zapisać w stronie kodowej %2%.") % text % to).str());
    return result;
}

std::string fromUtf8(const std::string& text, const std::string& codePage) { return convert(text, "UTF-8", codePage); }

}  // namespace Files
