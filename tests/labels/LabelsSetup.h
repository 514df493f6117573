// What the label tests share: the labels key of the configuration, written into the
// host's tree, and reads of folders.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "db/SessionHolder.h"
#include "support/FtpServer.h"

namespace LabelsTest {

struct LabelsSettings {
    std::string className = "ElectronicLabelsSender";
    std::filesystem::path localFolder;
    std::string server;
    std::string user;
    std::string password;
    std::string remoteFolder = "etykiety";
    bool enabled = true;
};

// The settings that upload to the test's server, into "etykiety" (made in its root).
LabelsSettings settingsFor(const TestSupport::FtpServer& server, const std::filesystem::path& localFolder,
                           const std::string& className = "ElectronicLabelsSender");

// Writes "Parametry sklepu" -> "Towary" -> "Etykiety elektroniczne" into the host's
// configuration tree, with the unit mapping 2 -> 1 and 3 -> 7.
void configureLabels(const LabelsSettings& settings);

// The regular files of a folder by name, with their contents, dot files left out;
// none when the folder is missing.
std::map<std::string, std::string> filesIn(const std::filesystem::path& folder);

// A product whose stock last changed on `stockDay` (byElEtyk = onLabels), with one PLU
// of the state given, coded "59000000" + (10000 + id), reference 10 * id.
void addLabelProduct(TSessionHolder& session, int id, const std::string& name, int stockDay, int pluStatus,
                     std::optional<int> onLabels = 1);

// The expected file kept with the tests.
std::string expectedFile(const std::string& name);

}  // namespace LabelsTest
