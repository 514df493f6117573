// The data senders of the XML-based communication: each collects its records and
// writes them, at send, as one transfer file for all its target cash registers.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "RenderedBundles.h"
#include "TransferFileWriter.h"
#include "cashregister/CashRegisterServerCommunication.h"

namespace XmlBasedServerCommunication {

// PLU records are changes: a package without records writes no file.
class XmlPluDataSender : public CashRegisterServerCommunication::PluDataSender {
public:
    explicit XmlPluDataSender(const std::string& directory) : file_(PluFile, directory) {}

    void init(const CashRegisterServerCommunication::PluDataSenderArgs& args) override;
    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    // Raises a logic error before init: the file needs the transmission day.
    void add(const Kolvenia::ExportedPlu& plu) override;
    void send() override;

private:
    TransferFileWriter file_;
    std::optional<int> transmissionDay_;
    std::vector<Kolvenia::ExportedPlu> records_;
};

// Product sets are changes too: no records, no file.
class XmlCompositionDataSender : public CashRegisterServerCommunication::CompositionDataSender {
public:
    explicit XmlCompositionDataSender(const std::string& directory) : file_(ProductSetFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void add(const Composition::ProductSet& productSet) override;
    void send() override;

private:
    TransferFileWriter file_;
    std::vector<Composition::ProductSet> records_;
    std::unordered_map<std::uint32_t, std::size_t> positions_;  // of the sets in records_, by id
};

// The complete list of bundles is written even when empty; a selection only when
// it holds a bundle.
class XmlBundleDataSender : public CashRegisterServerCommunication::BundleDataSender {
public:
    XmlBundleDataSender(const std::string& directory, std::shared_ptr<RenderedBundles> rendered)
        : file_(BundleFile, directory), rendered_(std::move(rendered)) {}

    void setCompleteList(bool complete) override { completeList_ = complete; }
    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    // Copies the bundle: the caller may go on changing its collection.
    void add(const Kolvenia::BundleWithElements& bundle) override { bundles_.add(bundle); }
    void send() override;

private:
    TransferFileWriter file_;
    std::shared_ptr<RenderedBundles> rendered_;
    bool completeList_ = true;
    BundleList bundles_;
};

// Blocked vouchers are additions to the registers' lists: no records, no file.
class XmlBlockedVoucherSender : public CashRegisterServerCommunication::BlockedVoucherSender {
public:
    explicit XmlBlockedVoucherSender(const std::string& directory) : file_(BlockedVoucherFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void add(const Kolvenia::BlockedVoucher& voucher) override { records_.push_back(voucher); }
    void send() override;

private:
    TransferFileWriter file_;
    std::vector<Kolvenia::BlockedVoucher> records_;
};

// One file with the configuration of every register whose configuration was requested.
class XmlCashRegisterConfigSender : public CashRegisterServerCommunication::CashRegisterConfigSender {
public:
    explicit XmlCashRegisterConfigSender(const std::string& directory) : file_(CashRegisterConfigFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void requestConfiguration(int deviceNumber) override { requested_.insert(deviceNumber); }
    void send() override;

private:
    TransferFileWriter file_;
    std::set<int> requested_;
};

class XmlPluConfigSender : public CashRegisterServerCommunication::PluConfigSender {
public:
    explicit XmlPluConfigSender(const std::string& directory) : file_(PluConfigFile, directory) {}

    void addCashRegister(int deviceNumber) override { file_.addCashRegister(deviceNumber); }
    void send(const Plu::PluConfig& config) override;

private:
    TransferFileWriter file_;
};

// The command to one register; its file names that register as the only target.
class XmlDailyTurnoverCommandSender : public CashRegisterServerCommunication::IDailyTurnoverCommandSender {
public:
    XmlDailyTurnoverCommandSender(const std::string& directory, int cashRegisterNumber);

    void addDay(int dayNumber) override { days_.insert(dayNumber); }
    void send() override;
    std::vector<int> days() const override { return {days_.begin(), days_.end()}; }

private:
    TransferFileWriter file_;
    std::set<int> days_;
};

}  // namespace XmlBasedServerCommunication
