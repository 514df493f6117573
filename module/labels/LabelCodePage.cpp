#include "labels/LabelCodePage.h"

#include <iconv.h>

#include <boost/format.hpp>
#include <cerrno>
#include <memory>
#include <stdexcept>

namespace Labels {

namespace {
struct IconvCloser {
    void operator()(iconv_t* handle) const {
        iconv_close(*handle);
        delete handle;
    }
};
}  // namespace

std::string toLabelCodePage(const std::string& utf8) {
    bool ascii = true;
    for (unsigned char c : utf8) ascii = ascii && c < 0x80;
    if (ascii) return utf8;
    iconv_t raw = iconv_open(labelCodePage, "UTF-8");
    if (raw == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("Brak strony kodowej ") + labelCodePage + ".");
    std::unique_ptr<iconv_t, IconvCloser> handle(new iconv_t(raw));
    std::string input = utf8;
    std::string output(utf8.size(), '\0');  // a single-byte code page never needs more
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    if (iconv(*handle, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1))
        throw std::runtime_error(
            (boost::format("Tekstu \"%1%\" nie można zapisać w stronie kodowej %2%.") % utf8 % labelCodePage).str());
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace Labels
