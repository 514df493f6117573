#include "files/TextOutputFile.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "files/CodePage.h"

namespace Core::Filesystem {

namespace {

std::string withCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

}  // namespace

TextOutputFile::TextOutputFile(std::string path, std::string codePage)
    : path_(std::move(path)), codePage_(std::move(codePage)), file_(std::fopen(path_.c_str(), "wb")) {
    if (!file_)
        throw PlacedRuntimeError((boost::format("Nie można utworzyć pliku '%1%'.") % path_).str(),
                                 CORE_SRC_INFO("Core::Filesystem::TextOutputFile::TextOutputFile"));
}

TextOutputFile::~TextOutputFile() {
    if (file_) std::fclose(file_);
}

void TextOutputFile::write(const std::string& text) {
    const std::string bytes = withCrLf(Files::fromUtf8(text, codePage_));
    if (!file_ || std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        throw PlacedRuntimeError((boost::format("Nie można zapisać pliku '%1%'.") % path_).str(),
                                 CORE_SRC_INFO("Core::Filesystem::TextOutputFile::write"));
}

void TextOutputFile::close() {
    if (!file_) return;
    const bool flushed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed)
        throw PlacedRuntimeError((boost::format("Nie można zapisać pliku '%1%'.") % path_).str(),
                                 CORE_SRC_INFO("Core::Filesystem::TextOutputFile::close"));
}

}  // namespace Core::Filesystem
