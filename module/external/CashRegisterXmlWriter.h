// The writer the cash-register communication hands to the serialize functions that
// exported promotion records carry: the records decide what they write, the
// communication decides how values are spelled and where the XML goes. Exported,
// header-only.
//
//   writer.startElement("condition");
//   writer.attribute("type", 2);
//   writer.endElement();
#pragma once

#include <cstdint>
#include <string>

namespace CashRegisterServerCommunication::Impl::XmlBased {

// Host contract: the writer type the records' serialize functions take.
class XmlWriter {
public:
    virtual ~XmlWriter() = default;
    // A child of the element open now; attributes go to it until its first child.
    virtual void startElement(const std::string& name) = 0;
    virtual void endElement() = 0;
    virtual void attribute(const std::string& name, const std::string& value) = 0;
    virtual void attribute(const std::string& name, std::int64_t value) = 0;
    // Written in the shortest form that reads back exactly.
    virtual void attribute(const std::string& name, double value) = 0;
    virtual void attribute(const std::string& name, bool value) = 0;

    void attribute(const std::string& name, const char* value) { attribute(name, std::string(value)); }
    void attribute(const std::string& name, int value) { attribute(name, static_cast<std::int64_t>(value)); }
    void attribute(const std::string& name, unsigned value) { attribute(name, static_cast<std::int64_t>(value)); }
};

}  // namespace CashRegisterServerCommunication::Impl::XmlBased
