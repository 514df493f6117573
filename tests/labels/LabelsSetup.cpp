#include "LabelsSetup.h"

#include "config/Setup.h"
#include "core/Singleton.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace LabelsTest {

LabelsSettings settingsFor(const TestSupport::FtpServer& server, const fs::path& localFolder,
                           const std::string& className) {
    fs::create_directories(server.root() / "etykiety");
    LabelsSettings settings;
    settings.className = className;
    settings.localFolder = localFolder;
    settings.server = server.address();
    settings.user = server.user();
    settings.password = server.password();
    return settings;
}

void configureLabels(const LabelsSettings& settings) {
    const Korvel::TKey labels = Core::SingletonImplHolder<Core::CSetup>::instance()
                                    .getRootKey()
                                    .CreateKey("Parametry sklepu")
                                    .CreateKey("Towary")
                                    .CreateKey("Etykiety elektroniczne");
    labels.CreateKey("Włączone").set_val(settings.enabled);
    labels.CreateKey("Klasa eksportu").set_val(settings.className);
    labels.CreateKey("Katalog plików etykiet").set_val(settings.localFolder.string());
    labels.CreateKey("Serwer FTP").set_val(settings.server);
    labels.CreateKey("Użytkownik FTP").set_val(settings.user);
    labels.CreateKey("Hasło FTP").set_val(settings.password);
    labels.CreateKey("Folder etykiet").set_val(settings.remoteFolder);
    const Korvel::TKey units = labels.CreateKey("Mapowanie jednostek miar");
    units.CreateKey("2").set_val(1);
    units.CreateKey("3").set_val(7);
}

std::map<std::string, std::string> filesIn(const fs::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        // Dot files are the senders' own state, not label files.
        if (entry.is_regular_file() && !entry.path().filename().string().starts_with("."))
            files[entry.path().filename().string()] = TestSupport::readFile(entry.path());
    return files;
}

std::string expectedFile(const std::string& name) {
    return TestSupport::readFile(fs::path(KORVEL_TEST_SOURCE_DIR) / "tests" / "labels" / "expected" / name);
}

}  // namespace LabelsTest
