#include "xml/Parser.h"

#include <iconv.h>

#include <boost/format.hpp>
#include <cerrno>
#include <fstream>
#include <regex>
#include <sstream>

namespace Xml::Parser {

namespace {

[[noreturn]] void refuse(const std::filesystem::path& path, const std::string& reason, std::ptrdiff_t offset) {
    throw ParseError(
        (boost::format("Plik %1% nie jest poprawnym plikiem XML: %2% (bajt %3%).") % path.string() % reason % offset)
            .str(),
        CORE_SRC_INFO("Xml::Parser::IParser::parseFile"));
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ParseError("Nie można otworzyć pliku " + path.string() + ".",
                         CORE_SRC_INFO("Xml::Parser::IParser::parseFile"));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool startsWith(const std::string& bytes, const char* prefix) { return bytes.rfind(prefix, 0) == 0; }

bool hasUtf16ByteOrderMark(const std::string& bytes) {
    return startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF");
}

// The encoding the XML declaration names; empty without one.
std::string declaredEncoding(const std::string& bytes) {
    static const std::regex declaration(R"(^(?:\xEF\xBB\xBF)?<\?xml[^>]*?encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])");
    std::smatch match;
    const std::string head = bytes.substr(0, 256);
    return std::regex_search(head, match, declaration) ? match[1].str() : std::string();
}

bool isUtf8Name(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "utf-8" || name == "utf8";
}

// The offset of the first byte that does not begin a well-formed UTF-8 sequence, or -1.
std::ptrdiff_t firstInvalidUtf8(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const unsigned char lead = bytes[i];
        std::size_t length;
        unsigned minimum;
        unsigned codePoint;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            minimum = 0x80;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            minimum = 0x800;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            minimum = 0x10000;
            codePoint = lead & 0x07;
        } else
            return static_cast<std::ptrdiff_t>(i);
        if (i + length > size) return static_cast<std::ptrdiff_t>(i);
        for (std::size_t k = 1; k < length; ++k) {
            if ((bytes[i + k] & 0xC0) != 0x80) return static_cast<std::ptrdiff_t>(i);
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not text.
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return static_cast<std::ptrdiff_t>(i);
        i += length;
    }
    return -1;
}

std::string toUtf8(const std::string& bytes, const std::string& encoding, const std::filesystem::path& path) {
    iconv_t converter = iconv_open("UTF-8", encoding.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) refuse(path, "nieznane kodowanie znaków " + encoding, 0);
    std::string result(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = result.data();
    std::size_t outLeft = result.size();
    const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
    const int error = errno;
    iconv_close(converter);
    if (done == static_cast<std::size_t>(-1) && error != E2BIG)
        refuse(path, "znak spoza kodowania " + encoding, in - bytes.data());
    result.resize(result.size() - outLeft);
    return result;
}

class PugiParser : public IParser {
public:
    std::unique_ptr<pugi::xml_document> parseFile(const std::filesystem::path& path) const override {
        std::string bytes = readBytes(path);
        auto document = std::make_unique<pugi::xml_document>();
        pugi::xml_encoding encoding = pugi::encoding_utf8;
        if (hasUtf16ByteOrderMark(bytes)) {
            encoding = pugi::encoding_auto;
        } else {
            const std::string declared = declaredEncoding(bytes);
            if (!declared.empty() && !isUtf8Name(declared)) bytes = toUtf8(bytes, declared, path);
            if (const std::ptrdiff_t invalid = firstInvalidUtf8(bytes); invalid >= 0)
                refuse(path, "bajty niebędące tekstem UTF-8", invalid);
        }
        const pugi::xml_parse_result result =
            document->load_buffer(bytes.data(), bytes.size(), pugi::parse_default, encoding);
        if (!result) refuse(path, result.description(), result.offset);
        return document;
    }
};

}  // namespace

Factory& Factory::instance() {
    static Factory factory;
    return factory;
}

std::shared_ptr<IParser> Factory::create(const std::string& id) const {
    if (!id.empty() && id != DefaultId)
        throw Core::PlacedRuntimeError((boost::format("Nieznany parser XML: %1%.") % id).str(),
                                       CORE_SRC_INFO("Xml::Parser::Factory::create"));
    return std::make_shared<PugiParser>();
}

}  // namespace Xml::Parser
