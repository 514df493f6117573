// The dictionary senders of the XML-based communication. A dictionary is always sent
// whole, so each send writes one file even when it holds no record (an empty
// dictionary); as with every kind, a sender without a target register writes nothing.
#pragma once

#include <optional>
#include <vector>

#include "TransferFileWriter.h"
#include "cashregister/CashRegisterServerCommunication.h"

namespace XmlBasedServerCommunication {

template <class Record>
class XmlDictionarySender : public CashRegisterServerCommunication::RecordDataSender<Record> {
public:
    using AppendRecord = void (*)(XmlStreamWriter& xml, const Record& record);

    XmlDictionarySender(TransferFileKind kind, const std::string& directory, AppendRecord append)
        : file_(kind, directory), append_(append) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void add(const Record& record) override { records_.push_back(record); }
    // The records go only once their file is written, so a failed send can be repeated.
    void send() override {
        file_.write([&](XmlStreamWriter& xml) {
            for (const Record& record : records_) append_(xml, record);
        });
        records_.clear();
    }

private:
    TransferFileWriter file_;
    AppendRecord append_;
    std::vector<Record> records_;
};

// Writes the VAT rates valid on the date, read from the shop database at the send.
class XmlVatRateSender : public CashRegisterServerCommunication::VatRateSender {
public:
    explicit XmlVatRateSender(const std::string& directory) : file_(VatRateFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void setDate(int dayNumber) override { date_ = dayNumber; }
    // Raises a logic error when no date was set.
    void send() override;

private:
    TransferFileWriter file_;
    std::optional<int> date_;
};

}  // namespace XmlBasedServerCommunication
