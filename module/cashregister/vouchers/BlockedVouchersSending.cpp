#include "cashregister/vouchers/BlockedVouchersSending.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/vouchers/BlockedVoucherReader.h"
#include "cashregister/vouchers/PendingArchives.h"
#include "cashregister/vouchers/VoucherArchives.h"
#include "core/Debug.h"
#include "core/Singleton.h"
#include "devicedefs/Kolekcje.h"
#include "files/Environment.h"
#include "files/Wildcard.h"
#include "frame/Configuration.h"

namespace Kolvenia::BlockedVouchers {

namespace fs = std::filesystem;

namespace {

using CashRegisterServerCommunication::BlockedVoucherSenderPtr;

BlockedVoucherSenderPtr createSender() {
    return Core::SingletonImplHolder<
               CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance()
        .createBlockedVoucherSender();
}

// Adds every enabled cash register to the sender; the report lists them.
std::string addCashRegisters(CashRegisterServerCommunication::BlockedVoucherSender& sender) {
    std::string report = "Wysyłanie blokad do kas:\n";
    const TUrzadzenieCollectionPtr devices = kolekcjaWlaczonychUrzadzen();
    for (std::size_t i = 0; devices && i < devices->size(); ++i) {
        const TUrzadzenie& device = *(*devices)[i];
        if (device.nNrTypuUrz != tuKasa) continue;
        sender.addCashRegister(device.nNrKolvenia);
        report += "Kasa nr " + std::to_string(device.nNrKolvenia) + "\n";
    }
    return report;
}

Korvel::TKey folderKey() {
    return Config::key({"Parametry programu", "Odczyt wieczorny", "Import zablokowanych bonów", "Folder"});
}

void removeOldArchivesWhenConfigured(const Korvel::TKey& folder, const fs::path& path,
                                     const std::vector<std::string>& unsent) {
    const Korvel::TKey removal = folder.GetKey("Usuwanie starych plików");
    if (!removal.GetVal<bool>()) return;
    const int days = removal.GetKey("Usuwaj pliki starsze niż X dni").GetVal<int>();
    removeOldArchives(path, days, fs::file_time_type::clock::now(), {unsent.begin(), unsent.end()});
}

void logProgress(const char* text) {
    if (Core::Debug::loggingEnabled())
        Core::Debug::logLine(text, CORE_SRC_INFO("Kolvenia::BlockedVouchers::BlockedVouchersSending::run"));
}

}  // namespace

int BlockedVouchersSending::run() {
    logProgress("BlockedVouchersSending::run start");
    const BlockedVoucherSenderPtr sender = createSender();
    report_.write(addCashRegisters(*sender));

    const Korvel::TKey folder = folderKey();
    const fs::path path = Files::expandEnvironmentVariables(folder.GetVal<std::string>());
    PendingArchives pending(path);
    const std::vector<std::string> unsent = pending.left();
    removeOldArchivesWhenConfigured(folder, path, unsent);

    const BlockedVoucherReader reader;
    std::string report = "Wysyłane pliki blokad: \n";
    int count = 0;
    const auto addRecords = [&](const BlockedVoucherCollection& records) {
        for (const BlockedVoucher& record : records) sender->add(record);
        count += static_cast<int>(records.size());
    };
    try {
        for (const std::string& archive : unsent) {
            report += archive + "\n";
            addRecords(*reader.read(archive));
        }
        for (const std::string& name : Files::findFiles(path / "*.xml", Files::LetterCase::Ignored)) {
            const std::string file = (path / name).string();
            report += file + "\n";
            const BlockedVoucherCollectionPtr records = reader.read(file);
            const std::string archive = archiveName(file, std::time(nullptr));
            pending.add(archive);
            archiveImportFile(file, archive);
            addRecords(*records);
        }
    } catch (...) {
        // The ranges read in this run are given up, as the failure says; those an
        // earlier, interrupted run left stay due. The report names the failing file.
        pending.replace(unsent);
        report_.write(report, Zentools::LogLevel::Error);
        throw;
    }

    report_.write(report);
    if (count > 0) {
        report_.write("Wysłano " + std::to_string(count) + " blokad");
        sender->send();
    }
    pending.replace({});
    logProgress("BlockedVouchersSending::run end");
    return count;
}

}  // namespace Kolvenia::BlockedVouchers
