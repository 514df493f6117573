#include "ConfigurationReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>

#include <boost/format.hpp>

#include "core/Errors.h"

namespace Korvel {

namespace {

std::string xmlErrorReason(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_no_document_element: return "brak elementu głównego";
    case pugi::status_unrecognized_tag: return "nierozpoznany znacznik";
    case pugi::status_bad_start_element: return "niepoprawny znacznik otwierający";
    case pugi::status_bad_end_element: return "niepoprawny znacznik zamykający";
    case pugi::status_end_element_mismatch: return "znacznik zamykający nie pasuje do otwierającego";
    case pugi::status_bad_attribute: return "niepoprawny atrybut";
    case pugi::status_bad_pcdata: return "niepoprawny tekst";
    case pugi::status_bad_cdata: return "niepoprawna sekcja CDATA";
    case pugi::status_bad_comment: return "niepoprawny komentarz";
    case pugi::status_bad_pi: return "niepoprawna instrukcja przetwarzania";
    case pugi::status_bad_doctype: return "niepoprawna deklaracja DOCTYPE";
    default: return "nieczytelna treść";
    }
}

// Offset of the first byte that does not continue a valid UTF-8 sequence, or npos.
std::size_t firstInvalidUtf8(const std::string& text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = bytes[i];
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // overlong
            if (lead == 0xED) high = 0x9F;  // surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;   // overlong
            if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
        } else
            return i;
        if (i + length > size) return i;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
            if (bytes[i + k] < lo || bytes[i + k] > hi) return i;
        }
        i += length;
    }
    return std::string::npos;
}

class ConfigurationParser {
public:
    ConfigurationParser(const std::string& text, const std::string& sourceName)
        : text_(text), sourceName_(sourceName) {}

    TKey parse() const {
        if (std::size_t bad = firstInvalidUtf8(text_); bad != std::string::npos)
            fail(bad, "niepoprawny znak UTF-8 (plik musi być zapisany w UTF-8)");
        pugi::xml_document document;
        pugi::xml_parse_result result =
            document.load_buffer(text_.data(), text_.size(), pugi::parse_default, pugi::encoding_utf8);
        if (!result) fail(result.offset, "niepoprawny XML: " + xmlErrorReason(result.status));

        pugi::xml_node root = document.document_element();
        if (std::strcmp(root.name(), "configuration") != 0)
            fail(root.offset_debug(),
                 boost::str(boost::format("element główny to <%1%>, oczekiwano <configuration>") % root.name()));
        checkAttributes(root, {});
        TKey tree = TKey::createRoot();
        readChildren(root, tree);
        return tree;
    }

private:
    [[noreturn]] void fail(std::ptrdiff_t offset, const std::string& reason) const {
        throw Core::PlacedRuntimeError(boost::str(boost::format("Błąd w pliku konfiguracji %1%, wiersz %2%: %3%") %
                                                  sourceName_ % lineAt(offset) % reason),
                                       CORE_SRC_INFO("ConfigurationParser::fail"));
    }

    std::size_t lineAt(std::ptrdiff_t offset) const {
        const auto end =
            text_.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text_.size()));
        return 1 + static_cast<std::size_t>(std::count(text_.begin(), end, '\n'));
    }

    void readChildren(const pugi::xml_node& element, const TKey& key) const {
        for (pugi::xml_node child : element.children()) {
            if (child.type() != pugi::node_element)
                fail(child.offset_debug(),
                     boost::str(boost::format("nieoczekiwany tekst w elemencie <%1%>") % element.name()));
            if (std::strcmp(child.name(), "key") != 0)
                fail(child.offset_debug(),
                     boost::str(boost::format("nieoczekiwany element <%1%>, oczekiwano <key>") % child.name()));
            readKey(child, key);
        }
    }

    void readKey(const pugi::xml_node& element, const TKey& parent) const {
        checkAttributes(element, {"name", "type", "value"});
        pugi::xml_attribute name = element.attribute("name");
        if (!name) fail(element.offset_debug(), "element <key> bez atrybutu name");
        if (!*name.value()) fail(element.offset_debug(), "pusta nazwa klucza");
        if (parent.FindKey(name.value()))
            fail(element.offset_debug(), boost::str(boost::format("powtórzona nazwa klucza \"%1%\"") % name.value()));
        TKey key = parent.CreateKey(name.value());
        readValue(element, key);
        readChildren(element, key);
    }

    void readValue(const pugi::xml_node& element, const TKey& key) const {
        pugi::xml_attribute type = element.attribute("type");
        pugi::xml_attribute value = element.attribute("value");
        if (!type && !value) return;
        if (!value) fail(element.offset_debug(), "atrybut type bez atrybutu value");
        if (!type) fail(element.offset_debug(), "atrybut value bez atrybutu type");
        const std::string text = value.value();
        if (std::strcmp(type.value(), "string") == 0)
            key.set_val(text);
        else if (std::strcmp(type.value(), "bool") == 0)
            key.set_val(parseBool(element, text));
        else if (std::strcmp(type.value(), "int") == 0)
            key.set_val(parseInt(element, text));
        else
            fail(element.offset_debug(),
                 boost::str(boost::format("nieznany typ wartości \"%1%\" (dozwolone: bool, int, string)") %
                            type.value()));
    }

    bool parseBool(const pugi::xml_node& element, const std::string& text) const {
        if (text == "true") return true;
        if (text == "false") return false;
        fail(element.offset_debug(),
             boost::str(boost::format("wartość \"%1%\" typu bool nie jest słowem true ani false") % text));
    }

    int parseInt(const pugi::xml_node& element, const std::string& text) const {
        int number = 0;
        const char* end = text.data() + text.size();
        auto [stop, error] = std::from_chars(text.data(), end, number);
        if (text.empty() || error != std::errc() || stop != end)
            fail(element.offset_debug(),
                 boost::str(
                     boost::format("wartość \"%1%\" typu int nie jest liczbą całkowitą od -2147483648 do 2147483647") %
                     text));
        return number;
    }

    // Only the allowed attributes, each once: pugixml itself accepts a repeated one.
    void checkAttributes(const pugi::xml_node& element, std::initializer_list<const char*> allowed) const {
        for (pugi::xml_attribute attribute : element.attributes()) {
            const char* name = attribute.name();
            if (std::none_of(allowed.begin(), allowed.end(),
                             [&](const char* known) { return std::strcmp(name, known) == 0; }))
                fail(element.offset_debug(),
                     boost::str(boost::format("nieznany atrybut %1% elementu <%2%>") % name % element.name()));
            if (element.attribute(name) != attribute)
                fail(element.offset_debug(),
                     boost::str(boost::format("powtórzony atrybut %1% elementu <%2%>") % name % element.name()));
        }
    }

    const std::string& text_;
    const std::string& sourceName_;
};

}  // namespace

TKey readConfiguration(const std::string& text, const std::string& sourceName) {
    return ConfigurationParser(text, sourceName).parse();
}

}  // namespace Korvel
