#include "DictionarySenders.h"

#include "DictionaryElements.h"
#include "XmlValues.h"
#include "core/Errors.h"

namespace XmlBasedServerCommunication {

void XmlVatRateSender::send() {
    if (!date_)
        throw Core::PlacedLogicError("Nadawca stawek VAT nie ma daty.", CORE_SRC_INFO("XmlVatRateSender::send"));
    const auto rates = Business::vatRatesValidOn(*date_);
    file_.write([&](XmlStreamWriter& xml) { xml.attribute("date", formatDay(*date_)); },
                [&](XmlStreamWriter& xml) {
                    for (const auto& rate : rates) appendVatRate(xml, rate);
                });
}

}  // namespace XmlBasedServerCommunication
