#include "DictionaryElements.h"

#include "XmlValues.h"

namespace XmlBasedServerCommunication {

namespace {

// The dictionaries that are no more than a numbered name.
void appendIdAndName(XmlStreamWriter& xml, const char* element, int id, const std::string& name) {
    xml.startElement(element);
    xml.attribute("id", id);
    xml.attribute("name", name);
    xml.endElement();
}

}  // namespace

void appendCountry(XmlStreamWriter& xml, const Korvel::Dao::Country& country) {
    xml.startElement("country");
    xml.attribute("id", country.id);
    xml.attribute("code", country.code);
    xml.attribute("name", country.name);
    xml.endElement();
}

void appendReturnReason(XmlStreamWriter& xml, const Korvel::Dao::ReturnReason& reason) {
    appendIdAndName(xml, "returnReason", reason.id, reason.name);
}

void appendVatRate(XmlStreamWriter& xml, const Business::VatRate& rate) {
    xml.startElement("vatRate");
    xml.attribute("number", rate.number);
    xml.attribute("symbol", rate.symbol);
    xml.attribute("letter", rate.letter);
    xml.attribute("percent", formatNumber(rate.percent));
    xml.attribute("exempt", rate.exempt);
    xml.endElement();
}

void appendMeasureUnit(XmlStreamWriter& xml, const Core::MeasureUnit& unit) {
    xml.startElement("measureUnit");
    xml.attribute("number", unit.number);
    xml.attribute("symbol", unit.symbol);
    xml.attribute("name", unit.name);
    xml.attribute("divisible", unit.divisible);
    xml.endElement();
}

void appendAutomaticDiscountType(XmlStreamWriter& xml, const Korvel::Dao::AutomaticDiscountType& type) {
    appendIdAndName(xml, "automaticDiscountType", type.id, type.name);
}

void appendPaymentForm(XmlStreamWriter& xml, const Platnosci::FormaPlatnosci& form) {
    xml.startElement("paymentForm");
    xml.attribute("id", form.ref);
    xml.attribute("guid", form.guid);
    xml.attribute("name", form.name);
    xml.attribute("kind", form.kind);
    xml.attribute("changeGiven", form.changeGiven);
    xml.endElement();
}

}  // namespace XmlBasedServerCommunication
