// Writes an XML document straight into a string, element by element, with no tree in
// memory: the transfer files of a large shop run to megabytes at every package end.
// The layout is the files' own: the UTF-8 declaration, two spaces of indent a level,
// "<name ... />" for an element without content, text on its element's line.
// Attributes of an element must come before its first child or its text.
#pragma once

#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace XmlBasedServerCommunication {

class XmlStreamWriter {
public:
    // Appends the declaration, then the document, to `out`.
    explicit XmlStreamWriter(std::string& out);
    // Appends elements for a document writer to place, with `rendered`, into its element
    // open `levels` deep: indented for that place, and without a declaration.
    XmlStreamWriter(std::string& out, std::size_t levels);
    XmlStreamWriter(const XmlStreamWriter&) = delete;
    XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

    void startElement(std::string_view name);
    // Raises a logic error when no element is open.
    void endElement();
    // Values are escaped; like a C string, a value ends at its first NUL character.
    // Raises a logic error once the open element has a child or text.
    void attribute(std::string_view name, std::string_view value);
    void attribute(std::string_view name, const char* value) { attribute(name, std::string_view(value)); }
    void attribute(std::string_view name, const std::string& value) { attribute(name, std::string_view(value)); }
    void attribute(std::string_view name, bool value) { plainAttribute(name, value ? "true" : "false"); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) void attribute(std::string_view name, T value) {
        if constexpr (std::is_signed_v<T>)
            attributeNumber(name, static_cast<long long>(value));
        else
            attributeNumber(name, static_cast<unsigned long long>(value));
    }
    // Text content of the open element.
    void text(std::string_view text);
    // Places whole elements rendered apart, by a writer made for an element as deep as
    // the one open here.
    void rendered(std::string_view elements);
    // Closes the elements still open and ends the document.
    void finish();

    std::size_t depth() const { return depth_; }

private:
    // A value known to need no escaping.
    void plainAttribute(std::string_view name, std::string_view value);
    void startAttribute(std::string_view name);
    void attributeNumber(std::string_view name, long long value);
    void attributeNumber(std::string_view name, unsigned long long value);
    void closeStartTag();
    void newLine(std::size_t depth);

    std::string& out_;
    std::vector<std::string> open_;  // names of the open elements; kept beyond depth_ for reuse
    std::size_t depth_ = 0;
    std::size_t indent_ = 0;     // levels of the enclosing document, for elements rendered apart
    bool startTagOpen_ = false;  // the open element's attributes may still follow
    bool lineBreak_ = true;      // what comes next starts a line of its own (not after text)
};

}  // namespace XmlBasedServerCommunication
