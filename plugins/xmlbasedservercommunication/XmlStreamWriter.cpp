#include "XmlStreamWriter.h"

#include <array>
#include <charconv>

#include "core/Errors.h"

namespace XmlBasedServerCommunication {

namespace {

enum class Context { Attribute, Text };

// Control characters become numeric references of two digits; an attribute escapes
// the quote and keeps '>' and tab, line feed and carriage return in references, text
// keeps those three but escapes '>'.
constexpr bool special(unsigned char c, Context context) {
    switch (c) {
    case '&':
    case '<': return true;
    case '"': return context == Context::Attribute;
    case '>': return context == Context::Text;
    case '\t':
    case '\n':
    case '\r': return context == Context::Attribute;
    default: return c < 32;
    }
}

struct SpecialTable {
    constexpr explicit SpecialTable(Context context) {
        for (int c = 0; c < 256; ++c) is[c] = special(static_cast<unsigned char>(c), context);
    }
    std::array<bool, 256> is{};
};

constexpr SpecialTable AttributeSpecials(Context::Attribute);
constexpr SpecialTable TextSpecials(Context::Text);

void appendEscaped(std::string& out, std::string_view value, const SpecialTable& specials) {
    const char* run = value.data();
    const char* const end = run + value.size();
    for (const char* p = run; p != end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (!specials.is[c]) continue;
        out.append(run, p);
        run = p + 1;
        switch (c) {
        case 0: return;
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            const char reference[] = {'&', '#', static_cast<char>('0' + c / 10), static_cast<char>('0' + c % 10), ';'};
            out.append(reference, sizeof reference);
        }
    }
    out.append(run, end);
}

}  // namespace

XmlStreamWriter::XmlStreamWriter(std::string& out) : out_(out) { out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"; }

XmlStreamWriter::XmlStreamWriter(std::string& out, std::size_t levels) : out_(out), indent_(levels) {}

void XmlStreamWriter::newLine(std::size_t depth) {
    out_ += '\n';
    out_.append(2 * (indent_ + depth), ' ');
}

void XmlStreamWriter::closeStartTag() {
    if (!startTagOpen_) return;
    out_ += '>';
    startTagOpen_ = false;
}

void XmlStreamWriter::startElement(std::string_view name) {
    closeStartTag();
    if (lineBreak_) newLine(depth_);
    out_ += '<';
    out_ += name;
    if (depth_ == open_.size()) open_.emplace_back();
    open_[depth_++].assign(name);
    startTagOpen_ = true;
    lineBreak_ = true;
}

void XmlStreamWriter::endElement() {
    if (depth_ == 0)
        throw Core::PlacedLogicError("Zamknięcie elementu, który nie był otwarty.",
                                     CORE_SRC_INFO("XmlStreamWriter::endElement"));
    --depth_;
    if (startTagOpen_) {
        out_ += " />";
        startTagOpen_ = false;
    } else {
        if (lineBreak_) newLine(depth_);
        out_ += "</";
        out_ += open_[depth_];
        out_ += '>';
    }
    lineBreak_ = true;
}

void XmlStreamWriter::startAttribute(std::string_view name) {
    if (!startTagOpen_)
        throw Core::PlacedLogicError("Atrybut po zawartości elementu.", CORE_SRC_INFO("XmlStreamWriter::attribute"));
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
}

void XmlStreamWriter::attribute(std::string_view name, std::string_view value) {
    startAttribute(name);
    appendEscaped(out_, value, AttributeSpecials);
    out_ += '"';
}

void XmlStreamWriter::plainAttribute(std::string_view name, std::string_view value) {
    startAttribute(name);
    out_ += value;
    out_ += '"';
}

namespace {
using Digits = std::array<char, 24>;
template <class Number>
std::string_view digitsOf(Number value, Digits& digits) {
    return {digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr};
}
}  // namespace

void XmlStreamWriter::attributeNumber(std::string_view name, long long value) {
    Digits digits;
    plainAttribute(name, digitsOf(value, digits));
}

void XmlStreamWriter::attributeNumber(std::string_view name, unsigned long long value) {
    Digits digits;
    plainAttribute(name, digitsOf(value, digits));
}

void XmlStreamWriter::text(std::string_view text) {
    if (depth_ == 0) throw Core::PlacedLogicError("Tekst poza elementem.", CORE_SRC_INFO("XmlStreamWriter::text"));
    closeStartTag();
    appendEscaped(out_, text, TextSpecials);
    lineBreak_ = false;
}

void XmlStreamWriter::rendered(std::string_view elements) {
    if (elements.empty()) return;  // an element without content stays "<name />"
    closeStartTag();
    out_ += elements;
    lineBreak_ = true;
}

void XmlStreamWriter::finish() {
    while (depth_ > 0) endElement();
    out_ += '\n';
}

}  // namespace XmlBasedServerCommunication
