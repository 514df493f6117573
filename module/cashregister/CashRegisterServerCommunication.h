// Module public face: plugins and other modules include this header; change it compatibly.
// The cash-register server communication: a factory, registered by the loaded
// cash-register transmission module, that gives one data sender per kind of data.
// Exported: the transmission module implements it, the module's senders use it.
//
// Every data sender is used in one order: add the target cash registers, add the
// records, send. A send delivers the records added since the previous send to all
// target registers at once; nothing is delivered before it, and a failed send
// delivers nothing. The targets stay for the records of the next send. A sender with
// no target delivers nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cashregister/Bundles.h"
#include "cashregister/vouchers/BlockedVoucher.h"
#include "composition/ProductSet.h"
#include "core/Errors.h"
#include "external/ExportedPlu.h"
#include "hostlists/Entities.h"
#include "hostlists/MeasureUnits.h"
#include "hostlists/PaymentForms.h"

namespace Plu {
struct CodeRules;
using PluConfig = CodeRules;  // tools/PluConfig.h
}  // namespace Plu
#include "external/ExportedPromotion.h"

namespace CashRegisterServerCommunication {

class DataSender {
public:
    virtual ~DataSender() = default;
    // A target cash register, by its device number; a number added twice counts once.
    virtual void addCashRegister(int deviceNumber) = 0;
    virtual void send() = 0;
};

template <class Record>
class RecordDataSender : public DataSender {
public:
    virtual void add(const Record& record) = 0;
};

struct PluDataSenderArgs {
    int transmissionDay = 0;  // day number of the day the records hold for
};

// PLU records of one package of a transmission; send at the package end. Records for
// removal and records to send travel together, each with its status.
class PluDataSender : public RecordDataSender<Kolvenia::ExportedPlu> {
public:
    // Before the first record.
    virtual void init(const PluDataSenderArgs& args) = 0;
};

// Product sets of the products sent; a set handed more than once before a send is
// delivered once, as last handed.
using CompositionDataSender = RecordDataSender<Composition::ProductSet>;

// Split bundles. By default the records are the complete list: a send with no record
// tells the registers that there are no split bundles.
class BundleDataSender : public RecordDataSender<Kolvenia::BundleWithElements> {
public:
    // False: the records are a selection; the registers keep the bundles not sent.
    virtual void setCompleteList(bool complete) = 0;
};

// Dictionaries: each send is the complete dictionary of its kind, so a send with no
// record tells the registers that the dictionary is empty.
using CountrySender = RecordDataSender<Korvel::Dao::Country>;
using ReturnReasonSender = RecordDataSender<Korvel::Dao::ReturnReason>;
using MeasureUnitSender = RecordDataSender<Core::MeasureUnit>;
using AutomaticDiscountTypeSender = RecordDataSender<Korvel::Dao::AutomaticDiscountType>;
using PaymentFormSender = RecordDataSender<Platnosci::FormaPlatnosci>;

// VAT rates take no records: the sender itself sends the rates valid on its date.
class VatRateSender : public DataSender {
public:
    // A day number; must be set before the send.
    virtual void setDate(int dayNumber) = 0;
};

// Promotions with their conditions and profits, and the gifts the profits refer to.
// Host contract: the promotion data sender's name.
class MegaPromotionDataSender : public RecordDataSender<Kolvenia::ExportedPromotion> {
public:
    virtual void addGift(const Kolvenia::ExportedPromotionGift& gift) = 0;
};

using PluDataSenderPtr = std::shared_ptr<PluDataSender>;
using CompositionDataSenderPtr = std::shared_ptr<CompositionDataSender>;
using BundleDataSenderPtr = std::shared_ptr<BundleDataSender>;
// Host contract: the pointer types of the dictionary senders.
using CountrySenderPtr = std::shared_ptr<CountrySender>;
using ReturnReasonSenderPtr = std::shared_ptr<ReturnReasonSender>;
using VatRateSenderPtr = std::shared_ptr<VatRateSender>;
using MeasureUnitSenderPtr = std::shared_ptr<MeasureUnitSender>;
using AutomaticDiscountTypeSenderPtr = std::shared_ptr<AutomaticDiscountTypeSender>;
using PaymentFormSenderPtr = std::shared_ptr<PaymentFormSender>;

// Blocked voucher ranges, added to the registers' lists of vouchers not to accept.
using BlockedVoucherSender = RecordDataSender<Kolvenia::BlockedVoucher>;

// The cash-register configuration: per register first its target, then the request of
// its configuration (both by device number), then send.
class CashRegisterConfigSender : public DataSender {
public:
    virtual void requestConfiguration(int deviceNumber) = 0;
};

// The PLU configuration: targets, then one send with the configuration.
class PluConfigSender {
public:
    virtual ~PluConfigSender() = default;
    virtual void addCashRegister(int deviceNumber) = 0;
    virtual void send(const Plu::PluConfig& config) = 0;
};

// The command "GetDailyTurnover" to one cash register: send its daily sales data of
// the days added again. A send without a day sends nothing.
// Host contract: the per-register command sender and its pointer type.
class IDailyTurnoverCommandSender {
public:
    virtual ~IDailyTurnoverCommandSender() = default;
    virtual void addDay(int dayNumber) = 0;
    virtual void send() = 0;
    // The days added, ascending, each once.
    virtual std::vector<int> days() const = 0;
};

using BlockedVoucherSenderPtr = std::shared_ptr<BlockedVoucherSender>;
using CashRegisterConfigSenderPtr = std::shared_ptr<CashRegisterConfigSender>;
using PluConfigSenderPtr = std::shared_ptr<PluConfigSender>;
using IDailyTurnoverCommandSenderPtr = std::shared_ptr<IDailyTurnoverCommandSender>;

// A transmission module that does not handle a kind of data refuses its sender.
[[noreturn]] inline void refuseUnsupportedKind(const char* kind) {
    throw Core::PlacedRuntimeError(std::string("Moduł transmisji do kasy nie obsługuje danych: ") + kind + ".",
                                   CORE_SRC_INFO("CashRegisterServerCommunicationFactory::create"));
}
using MegaPromotionDataSenderPtr = std::shared_ptr<MegaPromotionDataSender>;

// Found through Core::SingletonImplHolder<CashRegisterServerCommunicationFactory>;
// absent until a transmission module registers it. Each call gives a new sender.
class CashRegisterServerCommunicationFactory {
public:
    virtual ~CashRegisterServerCommunicationFactory() = default;
    virtual PluDataSenderPtr createPluDataSender() = 0;
    virtual CompositionDataSenderPtr createCompositionDataSender() = 0;
    virtual BundleDataSenderPtr createBundleDataSender() = 0;
    // A transmission module that does not carry a kind keeps the default, which refuses
    // with "Moduł transmisji do kasy nie obsługuje danych: <kind>.".
    virtual CountrySenderPtr createCountrySender() { refuseUnsupportedKind("państwa"); }
    virtual ReturnReasonSenderPtr createReturnReasonSender() { refuseUnsupportedKind("powody zwrotów"); }
    virtual VatRateSenderPtr createVatRateSender() { refuseUnsupportedKind("stawki VAT"); }
    virtual MeasureUnitSenderPtr createMeasureUnitSender() { refuseUnsupportedKind("jednostki miar"); }
    virtual AutomaticDiscountTypeSenderPtr createAutomaticDiscountTypeSender() {
        refuseUnsupportedKind("typy przecen automatycznych");
    }
    virtual PaymentFormSenderPtr createPaymentFormSender() { refuseUnsupportedKind("formy płatności"); }
    virtual BlockedVoucherSenderPtr createBlockedVoucherSender() { refuseUnsupportedKind("zablokowane bony"); }
    virtual CashRegisterConfigSenderPtr createCashRegisterConfigSender() { refuseUnsupportedKind("konfiguracja kas"); }
    virtual PluConfigSenderPtr createPluConfigSender() { refuseUnsupportedKind("konfiguracja PLU"); }
    virtual IDailyTurnoverCommandSenderPtr createDailyTurnoverCommandSender(int cashRegisterNumber) {
        (void)cashRegisterNumber;
        refuseUnsupportedKind("polecenie GetDailyTurnover");
    }
    virtual MegaPromotionDataSenderPtr createMegaPromotionDataSender() { refuseUnsupportedKind("promocje"); }
};

}  // namespace CashRegisterServerCommunication
