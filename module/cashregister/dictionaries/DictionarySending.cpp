#include "cashregister/dictionaries/DictionarySending.h"

#include <boost/format.hpp>

#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/dictionaries/DictionaryTargets.h"
#include "core/Errors.h"
#include "core/I18n.h"
#include "core/Singleton.h"
#include "db/SessionHolder.h"
#include "hostlists/Entities.h"
#include "hostlists/MeasureUnits.h"
#include "hostlists/PaymentForms.h"
#include "properties/StoredProperties.h"

namespace Kolvenia::Dictionaries {

namespace {

CashRegisterServerCommunication::CashRegisterServerCommunicationFactory& factory() {
    return Core::SingletonImplHolder<
        CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance();
}

// Host contract: the messages when no target collection exists.
const char* const NoEnabledCashRegisters = "Brak włączonych kas.";
const char* const NoEnabledDevices = "Brak włączonych urządzeń.";

template <class Sender, class Record, class Keep>
void sendRecords(Sender& sender, const std::vector<Record>& records, Keep keep, Progress& progress) {
    progress.setMaximum(static_cast<long long>(records.size()) + 1);
    for (const Record& record : records) {
        if (keep(record)) sender.add(record);
        progress.step(1);
    }
    sender.send();
    progress.step(1);
    progress.finish();
}

template <class Record>
bool everyRecord(const Record&) {
    return true;
}

}  // namespace

bool sendCountries(bool all, const DeviceRefs& chosen, Progress& progress) {
    TSessionHolder session(true);
    session.StartTransaction();
    try {
        const Korvel::StoredProperties properties(session);
        if (!properties.lockBool(CountriesChangedProperty) && !all) {
            session.Rollback();
            return false;
        }
        auto sender = factory().createCountrySender();
        addTargets(*sender, {TargetDevices::InstalledCashRegisters, NoEnabledCashRegisters}, chosen);
        const auto countries = Korvel::Dao::DaoFactory::instance().find<Korvel::Dao::Country>({}, session);
        sendRecords(
            *sender, countries, [](const Korvel::Dao::Country& country) { return !country.isInactive(); }, progress);
        properties.setBool(CountriesChangedProperty, false);
        session.Commit();
        return true;
    } catch (...) {
        session.Rollback();
        throw;
    }
}

void sendReturnReasons(const DeviceRefs& chosen, Progress& progress) {
    auto sender = factory().createReturnReasonSender();
    addTargets(*sender, {TargetDevices::EnabledCashRegisters, NoEnabledDevices}, chosen);
    const auto reasons = Korvel::Dao::DaoFactory::instance().find<Korvel::Dao::ReturnReason>({}, TSessionHolder(true));
    sendRecords(
        *sender, reasons, [](const Korvel::Dao::ReturnReason& reason) { return !reason.deleted; }, progress);
}

void sendAutomaticDiscountTypes(const DeviceRefs& chosen, Progress& progress) {
    auto sender = factory().createAutomaticDiscountTypeSender();
    addTargets(*sender, {TargetDevices::InstalledCashRegisters, NoEnabledCashRegisters}, chosen);
    const auto types = Korvel::Dao::DaoFactory::instance().find<Korvel::Dao::AutomaticDiscountType>(
        Korvel::Dao::Filter().equals("isActive", true), TSessionHolder(true));
    // The filter is the entity access's; a type switched off meanwhile is still not sent.
    sendRecords(
        *sender, types, [](const Korvel::Dao::AutomaticDiscountType& type) { return type.isActive; }, progress);
}

void sendMeasureUnits(const DeviceRefs& chosen, Progress& progress) {
    auto sender = factory().createMeasureUnitSender();
    addTargets(*sender, {TargetDevices::InstalledCashRegisters, nullptr, true}, chosen);
    Core::AvailMeasureUnits units;
    sendRecords(*sender, units.units(), everyRecord<Core::MeasureUnit>, progress);
}

void sendPaymentForms(const DeviceRefs& chosen, Progress& progress) {
    Platnosci::FormyPlatnosci forms;
    if (!forms.findByGuid(RequiredPaymentFormGuid)) {
        forms.refresh();
        if (!forms.findByGuid(RequiredPaymentFormGuid))
            throw Core::PlacedRuntimeError(
                (boost::format(Core::I18n::translate("Nie odnaleziono płatności o guidzie %1%.")) %
                 RequiredPaymentFormGuid)
                    .str(),
                CORE_SRC_INFO("Kolvenia::Dictionaries::sendPaymentForms"));
    }
    auto sender = factory().createPaymentFormSender();
    addTargets(*sender, {TargetDevices::InstalledCashRegisters, nullptr, !chosen}, chosen);
    sendRecords(*sender, forms.all(), everyRecord<Platnosci::FormaPlatnosci>, progress);
}

void sendVatRates(int dayNumber, const DeviceRefs& chosen, Progress& progress) {
    auto sender = factory().createVatRateSender();
    progress.setMaximum(2);
    if (addTargets(*sender, {TargetDevices::EnabledCashRegisters, nullptr}, chosen) > 0) {
        progress.step(1);
        sender->setDate(dayNumber);
        sender->send();
    }
    progress.step(1);
    progress.finish();
}

}  // namespace Kolvenia::Dictionaries
