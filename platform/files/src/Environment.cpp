#include "files/Environment.h"

#include <cctype>
#include <cstdlib>

namespace Files {

namespace {
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The length of a variable name starting at `from`, 0 when none.
std::size_t nameLength(const std::string& text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isNameChar(text[end])) ++end;
    return end - from;
}

struct Reference {
    std::size_t length = 0;  // of the whole reference, 0 when there is none here
    std::string name;
};

Reference referenceAt(const std::string& text, std::size_t at) {
    const char c = text[at];
    if (c == '$' && at + 1 < text.size() && text[at + 1] == '{') {
        const std::size_t close = text.find('}', at + 2);
        const std::size_t length = nameLength(text, at + 2);
        if (close != std::string::npos && length > 0 && at + 2 + length == close)
            return {close - at + 1, text.substr(at + 2, length)};
    } else if (c == '$') {
        if (const std::size_t length = nameLength(text, at + 1)) return {length + 1, text.substr(at + 1, length)};
    } else if (c == '%') {
        const std::size_t length = nameLength(text, at + 1);
        if (length > 0 && at + 1 + length < text.size() && text[at + 1 + length] == '%')
            return {length + 2, text.substr(at + 1, length)};
    }
    return {};
}
}  // namespace

std::string expandEnvironmentVariables(const std::string& text,
                                       const std::function<const char*(const std::string&)>& lookup) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Reference reference = referenceAt(text, i);
        const char* value = reference.length ? lookup(reference.name) : nullptr;
        if (value) {
            result += value;
            i += reference.length;
        } else {
            result += text[i++];
        }
    }
    return result;
}

std::string expandEnvironmentVariables(const std::string& text) {
    return expandEnvironmentVariables(text, [](const std::string& name) { return std::getenv(name.c_str()); });
}

}  // namespace Files
