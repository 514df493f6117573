#include "XmlDataSenders.h"

#include "RecordElements.h"
#include "XmlValues.h"
#include "core/Errors.h"

namespace XmlBasedServerCommunication {

// Records are dropped only after their file is written, so a failed send can be repeated.

void XmlPluDataSender::init(const CashRegisterServerCommunication::PluDataSenderArgs& args) {
    transmissionDay_ = args.transmissionDay;
}

void XmlPluDataSender::add(const Kolvenia::ExportedPlu& plu) {
    if (!transmissionDay_)
        throw Core::PlacedLogicError("Nadawca danych PLU nie został zainicjowany.",
                                     CORE_SRC_INFO("XmlPluDataSender::add"));
    records_.push_back(plu);
}

void XmlPluDataSender::send() {
    if (records_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) { xml.attribute("transmissionDay", formatDay(*transmissionDay_)); },
                [&](XmlStreamWriter& xml) {
                    for (const auto& plu : records_) appendPlu(xml, plu);
                });
    records_.clear();
}

void XmlCompositionDataSender::add(const Composition::ProductSet& productSet) {
    // Each product of a set hands the whole set again; the set is delivered once, in
    // the place it was first handed, as it was last handed.
    const auto [held, isNew] = positions_.try_emplace(productSet.id, records_.size());
    if (isNew)
        records_.push_back(productSet);
    else
        records_[held->second] = productSet;
}

void XmlCompositionDataSender::send() {
    if (records_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) {
        for (const auto& productSet : records_) appendProductSet(xml, productSet);
    });
    records_.clear();
    positions_.clear();
}

void XmlBundleDataSender::send() {
    if (bundles_.empty() && !completeList_) return;
    file_.write([&](XmlStreamWriter& xml) { xml.attribute("complete", completeList_); },
                [&](XmlStreamWriter& xml) { rendered_->write(xml, bundles_); });
    bundles_.clear();
}

void XmlBlockedVoucherSender::send() {
    if (records_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) {
        for (const auto& voucher : records_) appendBlockedVoucher(xml, voucher);
    });
    records_.clear();
}

void XmlCashRegisterConfigSender::send() {
    if (requested_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) {
        for (int number : requested_) appendCashRegisterConfiguration(xml, number);
    });
    requested_.clear();
}

void XmlPluConfigSender::send(const Plu::PluConfig& config) {
    file_.write([&](XmlStreamWriter& xml) { appendPluConfig(xml, config); });
}

XmlDailyTurnoverCommandSender::XmlDailyTurnoverCommandSender(const std::string& directory, int cashRegisterNumber)
    : file_(DailyTurnoverCommandFile, directory) {
    file_.addCashRegister(cashRegisterNumber);
}

void XmlDailyTurnoverCommandSender::send() {
    if (days_.empty()) return;
    file_.write([&](XmlStreamWriter& xml) { appendDailyTurnoverCommand(xml, days()); });
    days_.clear();
}

}  // namespace XmlBasedServerCommunication
