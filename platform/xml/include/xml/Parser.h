// The host's XML library: parsers of XML files into documents, chosen by an identifier
// (the configuration's "Parametry programu" -> "XML" -> "Parser" -> "Id").
//
// A file is read as the XML declaration says: UTF-8 without one (a byte-order mark is
// allowed), UTF-16 with its byte-order mark, any other encoding the declaration names
// that iconv knows (windows-1250, ISO-8859-2, ...) converted to UTF-8. A file that is
// not well-formed XML in that encoding is refused with ParseError, which names the file,
// the reason and the byte offset: an empty file, a truncated one, bytes that are not
// text in the encoding.
//
//   auto parser = Xml::Parser::Factory::instance().create(Xml::Parser::Factory::DefaultId);
//   std::unique_ptr<pugi::xml_document> document = parser->parseFile(path);
#pragma once

#include <filesystem>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "core/Errors.h"

namespace Xml::Parser {

class ParseError : public Core::PlacedRuntimeError {
public:
    using Core::PlacedRuntimeError::PlacedRuntimeError;
};

class IParser {
public:
    virtual ~IParser() = default;
    // The document of a file; raises ParseError as described above.
    virtual std::unique_ptr<pugi::xml_document> parseFile(const std::filesystem::path& path) const = 0;
};

// Host contract: the parser factory of the XML library.
class Factory {
public:
    // The one parser this host has; an empty identifier means it too.
    static constexpr const char* DefaultId = "pugixml";

    static Factory& instance();
    // Raises "Nieznany parser XML: %1%." for another identifier.
    std::shared_ptr<IParser> create(const std::string& id) const;
};

}  // namespace Xml::Parser
