// The XML element of each dictionary record, appended to a transfer file's root.
#pragma once

#include <pugixml.hpp>

#include "hostlists/Entities.h"
#include "hostlists/MeasureUnits.h"
#include "hostlists/PaymentForms.h"
#include "hostlists/VatRates.h"

namespace XmlBasedServerCommunication {

void appendCountry(pugi::xml_node parent, const Korvel::Dao::Country& country);
void appendReturnReason(pugi::xml_node parent, const Korvel::Dao::ReturnReason& reason);
void appendVatRate(pugi::xml_node parent, const Business::VatRate& rate);
void appendMeasureUnit(pugi::xml_node parent, const Core::MeasureUnit& unit);
void appendAutomaticDiscountType(pugi::xml_node parent, const Korvel::Dao::AutomaticDiscountType& type);
void appendPaymentForm(pugi::xml_node parent, const Platnosci::FormaPlatnosci& form);

}  // namespace XmlBasedServerCommunication
