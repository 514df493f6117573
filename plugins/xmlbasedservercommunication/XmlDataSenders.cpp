#include "XmlDataSenders.h"

#include <algorithm>

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
    file_.write([&](pugi::xml_node root) {
        root.append_attribute("transmissionDay") = formatDay(*transmissionDay_).c_str();
        for (const auto& plu : records_) appendPlu(root, plu);
    });
    records_.clear();
}

void XmlCompositionDataSender::add(const Composition::ProductSet& productSet) {
    // Each product of a set hands the whole set again; the set is delivered once.
    auto same = std::find_if(records_.begin(), records_.end(),
                             [&](const Composition::ProductSet& held) { return held.id == productSet.id; });
    if (same == records_.end())
        records_.push_back(productSet);
    else
        *same = productSet;
}

void XmlCompositionDataSender::send() {
    if (records_.empty()) return;
    file_.write([&](pugi::xml_node root) {
        for (const auto& productSet : records_) appendProductSet(root, productSet);
    });
    records_.clear();
}

void XmlBundleDataSender::add(const Kolvenia::BundleWithElements& bundle) {
    Kolvenia::BundleWithElements copy;
    copy.cloneFields(bundle);  // the caller may go on changing its collection
    records_.push_back(std::move(copy));
}

void XmlBundleDataSender::send() {
    if (records_.empty() && !completeList_) return;
    file_.write([&](pugi::xml_node root) {
        root.append_attribute("complete") = completeList_;
        for (const auto& bundle : records_) appendBundle(root, bundle);
    });
    records_.clear();
}

void XmlBlockedVoucherSender::send() {
    if (records_.empty()) return;
    file_.write([&](pugi::xml_node root) {
        for (const auto& voucher : records_) appendBlockedVoucher(root, voucher);
    });
    records_.clear();
}

void XmlCashRegisterConfigSender::send() {
    if (requested_.empty()) return;
    file_.write([&](pugi::xml_node root) {
        for (int number : requested_) appendCashRegisterConfiguration(root, number);
    });
    requested_.clear();
}

void XmlPluConfigSender::send(const Plu::PluConfig& config) {
    file_.write([&](pugi::xml_node root) { appendPluConfig(root, config); });
}

XmlDailyTurnoverCommandSender::XmlDailyTurnoverCommandSender(const std::string& directory, int cashRegisterNumber)
    : file_(DailyTurnoverCommandFile, directory) {
    file_.addCashRegister(cashRegisterNumber);
}

void XmlDailyTurnoverCommandSender::send() {
    if (days_.empty()) return;
    file_.write([&](pugi::xml_node root) { appendDailyTurnoverCommand(root, days()); });
    days_.clear();
}

}  // namespace XmlBasedServerCommunication
