#include "LabelsSetup.h"

#include "config/Setup.h"
#include "core/Singleton.h"
#include "db/Command.h"
#include "support/ShopRows.h"
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

void addLabelProduct(TSessionHolder& session, int id, const std::string& name, int stockDay, int pluStatus,
                     std::optional<int> onLabels) {
    TestSupport::addProduct(session, TestSupport::ShopProduct(id, name, 2.5 + id));
    DBKernel::Sql::Command("update Towar set dLastStnDate = " + std::to_string(stockDay) +
                               ", byElEtyk = " + (onLabels ? std::to_string(*onLabels) : "null") +
                               " where lTowarRef = " + std::to_string(id),
                           session)
        .execute();
    DBKernel::Sql::Command("insert into stn (lTowarRef, data, dStan) values (" + std::to_string(id) + ", " +
                               std::to_string(stockDay) + ", 4)",
                           session)
        .execute();
    TestSupport::addPlu(session, 10 * id, id, "59000000" + std::to_string(10000 + id), pluStatus);
}

std::string expectedFile(const std::string& name) {
    return TestSupport::readFile(fs::path(KORVEL_TEST_SOURCE_DIR) / "tests" / "labels" / "expected" / name);
}

}  // namespace LabelsTest
