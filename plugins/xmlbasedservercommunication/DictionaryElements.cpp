#include "DictionaryElements.h"

#include "XmlValues.h"

namespace XmlBasedServerCommunication {

namespace {

// The dictionaries that are no more than a numbered name.
void appendIdAndName(pugi::xml_node parent, const char* element, int id, const std::string& name) {
    pugi::xml_node node = parent.append_child(element);
    node.append_attribute("id") = id;
    node.append_attribute("name") = name.c_str();
}

}  // namespace

void appendCountry(pugi::xml_node parent, const Korvel::Dao::Country& country) {
    pugi::xml_node node = parent.append_child("country");
    node.append_attribute("id") = country.id;
    node.append_attribute("code") = country.code.c_str();
    node.append_attribute("name") = country.name.c_str();
}

void appendReturnReason(pugi::xml_node parent, const Korvel::Dao::ReturnReason& reason) {
    appendIdAndName(parent, "returnReason", reason.id, reason.name);
}

void appendVatRate(pugi::xml_node parent, const Business::VatRate& rate) {
    pugi::xml_node node = parent.append_child("vatRate");
    node.append_attribute("number") = rate.number;
    node.append_attribute("symbol") = rate.symbol.c_str();
    node.append_attribute("letter") = rate.letter.c_str();
    node.append_attribute("percent") = formatNumber(rate.percent).c_str();
    node.append_attribute("exempt") = rate.exempt;
}

void appendMeasureUnit(pugi::xml_node parent, const Core::MeasureUnit& unit) {
    pugi::xml_node node = parent.append_child("measureUnit");
    node.append_attribute("number") = unit.number;
    node.append_attribute("symbol") = unit.symbol.c_str();
    node.append_attribute("name") = unit.name.c_str();
    node.append_attribute("divisible") = unit.divisible;
}

void appendAutomaticDiscountType(pugi::xml_node parent, const Korvel::Dao::AutomaticDiscountType& type) {
    appendIdAndName(parent, "automaticDiscountType", type.id, type.name);
}

void appendPaymentForm(pugi::xml_node parent, const Platnosci::FormaPlatnosci& form) {
    pugi::xml_node node = parent.append_child("paymentForm");
    node.append_attribute("id") = form.ref;
    node.append_attribute("guid") = form.guid.c_str();
    node.append_attribute("name") = form.name.c_str();
    node.append_attribute("kind") = form.kind;
    node.append_attribute("changeGiven") = form.changeGiven;
}

}  // namespace XmlBasedServerCommunication
