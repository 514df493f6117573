// The transfer files of one data sender: each is an XML document naming its kind and
// its target cash registers, followed by the records the sender puts in it.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "XmlStreamWriter.h"

namespace XmlBasedServerCommunication {

// A kind of transfer file: its type number and name prefix, and its name in the file.
struct TransferFileKind {
    int type;
    char prefix;
    const char* name;
};

inline constexpr TransferFileKind PluFile{1, 'P', "plu"};
inline constexpr TransferFileKind ProductSetFile{2, 'S', "productSets"};
inline constexpr TransferFileKind BundleFile{3, 'Z', "bundles"};
// Dictionaries share the prefix 'D'; their types keep clear of the data kinds' numbers.
inline constexpr TransferFileKind CountryFile{0x10, 'D', "countries"};
inline constexpr TransferFileKind ReturnReasonFile{0x11, 'D', "returnReasons"};
inline constexpr TransferFileKind VatRateFile{0x12, 'D', "vatRates"};
inline constexpr TransferFileKind MeasureUnitFile{0x13, 'D', "measureUnits"};
inline constexpr TransferFileKind AutomaticDiscountTypeFile{0x14, 'D', "automaticDiscountTypes"};
inline constexpr TransferFileKind PaymentFormFile{0x15, 'D', "paymentForms"};
inline constexpr TransferFileKind BlockedVoucherFile{0x20, 'B', "blockedVouchers"};
inline constexpr TransferFileKind CashRegisterConfigFile{0x21, 'K', "cashRegisterConfiguration"};
inline constexpr TransferFileKind PluConfigFile{0x22, 'C', "pluConfiguration"};
inline constexpr TransferFileKind DailyTurnoverCommandFile{0x23, 'R', "dailyTurnoverCommand"};
inline constexpr TransferFileKind PromotionFile{0x24, 'M', "promotions"};

inline constexpr int FormatVersion = 1;

class TransferFileWriter {
public:
    // Writes into the open root element of the file.
    using Content = std::function<void(XmlStreamWriter& xml)>;

    // `directory` ends with '/'.
    TransferFileWriter(TransferFileKind kind, std::string directory);

    void addCashRegister(int deviceNumber) { cashRegisters_.insert(deviceNumber); }

    // Publishes one file: the root element with the kind's own attributes that
    // `writeAttributes` adds, the target cash registers, then the records that
    // `writeRecords` adds. Without a target cash register there is no one to deliver
    // to, and nothing is written.
    void write(const Content& writeAttributes, const Content& writeRecords);
    void write(const Content& writeRecords) { write(nullptr, writeRecords); }

private:
    TransferFileKind kind_;
    std::string directory_;
    std::set<int> cashRegisters_;
    std::string text_;  // the file being written; its capacity serves the next one
};

}  // namespace XmlBasedServerCommunication
