#include "ConfigurationWriter.h"

#include <pugixml.hpp>

#include <sstream>

namespace Korvel {

namespace {

void writeValue(const TValue& value, pugi::xml_node& element) {
    if (value.empty()) return;
    if (std::optional<bool> flag = value.get<bool>()) {
        element.append_attribute("type") = "bool";
        element.append_attribute("value") = *flag ? "true" : "false";
    } else if (std::optional<int> number = value.get<int>()) {
        element.append_attribute("type") = "int";
        element.append_attribute("value") = std::to_string(*number).c_str();
    } else {
        element.append_attribute("type") = "string";
        element.append_attribute("value") = value.get<std::string>()->c_str();
    }
}

void writeChildren(const TKey& key, pugi::xml_node& element) {
    for (const TKey& child : key) {
        pugi::xml_node childElement = element.append_child("key");
        childElement.append_attribute("name") = child.Name().c_str();
        writeValue(child.rep()->Value(), childElement);
        writeChildren(child, childElement);
    }
}

}  // namespace

std::string writeConfiguration(const TKey& root) {
    pugi::xml_document document;
    pugi::xml_node configuration = document.append_child("configuration");
    writeChildren(root, configuration);
    std::ostringstream out;
    document.save(out, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

}  // namespace Korvel
