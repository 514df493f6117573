// The configuration of a shop whose cash registers take XML transfer files in a test
// directory, with the evening sending of automatic discount types switched on or off;
// and one with every evening step switched on, for runs of the whole evening.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace TestSupport {

// The "Serwer Kasowy" key of a server whose transfer files go out to and come back from
// one directory, through the XML transmission module.
std::string cashRegisterServerKeys(const std::filesystem::path& directory);

std::string cashRegisterConfiguration(const std::filesystem::path& outputDirectory, bool eveningDiscounts);

// Where the electronic labels go: the local label folder and an FTP server.
struct LabelServer {
    std::filesystem::path localFolder;
    std::string address;  // host:port
    std::string user;
    std::string password;
};

struct EveningSteps {
    std::filesystem::path outputDirectory;  // the cash-register server's transfer files
    std::filesystem::path voucherFolder;    // blocked-voucher import files
    int turnoverDays = 8;                   // daily totals verified from today minus this
    std::optional<LabelServer> labels;      // empty: the label step is switched off
};

// Discount types, blocked vouchers, daily turnover and (when given) labels, all on.
std::string eveningConfiguration(const EveningSteps& steps);

}  // namespace TestSupport
