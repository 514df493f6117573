// The XML element of each dictionary record, written into a transfer file's root.
#pragma once

#include "XmlStreamWriter.h"
#include "hostlists/Entities.h"
#include "hostlists/MeasureUnits.h"
#include "hostlists/PaymentForms.h"
#include "hostlists/VatRates.h"

namespace XmlBasedServerCommunication {

void appendCountry(XmlStreamWriter& xml, const Korvel::Dao::Country& country);
void appendReturnReason(XmlStreamWriter& xml, const Korvel::Dao::ReturnReason& reason);
void appendVatRate(XmlStreamWriter& xml, const Business::VatRate& rate);
void appendMeasureUnit(XmlStreamWriter& xml, const Core::MeasureUnit& unit);
void appendAutomaticDiscountType(XmlStreamWriter& xml, const Korvel::Dao::AutomaticDiscountType& type);
void appendPaymentForm(XmlStreamWriter& xml, const Platnosci::FormaPlatnosci& form);

}  // namespace XmlBasedServerCommunication
