#include "labels/LabelCodePage.h"

#include <boost/format.hpp>
#include <stdexcept>

#include "files/CodePage.h"

namespace Labels {

std::string toLabelCodePage(const std::string& utf8) {
    try {
        return Files::fromUtf8(utf8, labelCodePage);
    } catch (const Files::UnknownCodePageError&) {
        throw std::runtime_error(std::string("Brak strony kodowej ") + labelCodePage + ".");
    } catch (const Files::CodePageError&) {
        // Label errors quote the text with double quotes.
        throw std::runtime_error(
            (boost::format("Tekstu \"%1%\" nie można zapisać w stronie kodowej %2%.") % utf8 % labelCodePage).str());
    }
}

}  // namespace Labels
