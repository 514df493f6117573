#include "files/CodePage.h"

#include <iconv.h>

#include <boost/format.hpp>
#include <cerrno>

namespace Files {

namespace {

class Converter {
public:
    explicit Converter(const std::string& codePage) : handle_(iconv_open(codePage.c_str(), "UTF-8")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw CodePageError((boost::format("Nieznana strona kodowa %1%.") % codePage).str());
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // False when the text holds a character the code page lacks, or is not UTF-8.
    bool convert(const std::string& text, std::string& result) {
        // A single-byte code page never needs more bytes than UTF-8 does.
        result.resize(text.size());
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char* out = result.data();
        std::size_t outLeft = result.size();
        if (iconv(handle_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return false;
        result.resize(result.size() - outLeft);
        return true;
    }

private:
    iconv_t handle_;
};

}  // namespace

std::string fromUtf8(const std::string& text, const std::string& codePage) {
    std::string result;
    if (!Converter(codePage).convert(text, result))
        throw CodePageError((boost::format("Tekstu '%1%' nie można zapisać w stronie kodowej %2%.") % text % codePage).str());
    return result;
}

}  // namespace Files
