#include "TransmissionDatabase.h"

#include <filesystem>
#include <regex>

#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"

namespace PluTest {

void TransmissionDatabaseTest::SetUp() {
    PluDatabaseTest::SetUp();
    DBKernel::setDefaultSession(session().url());
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\">"
        "<key name=\"Blokada dodawania towarów\" type=\"bool\" value=\"false\"/>"
        "<key name=\"Refundacja promocji\"><key name=\"Włączona\" type=\"bool\" value=\"false\"/></key>"
        "<key name=\"FrontOffice\"><key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"" +
        std::to_string(PackageSize) +
        "\"/><key name=\"Serwer Kasowy\">"
        "<key name=\"Katalog - wyjście\" type=\"string\" value=\"" + output_.path().string() + "\"/>"
        "<key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>"
        "</key></key></key></configuration>");
    auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
    loader.load("Devices.dll");
    loader.initializeModules();
    exec("insert into Urzadzenie (lUrzadzenieRef, nNrTypuUrz, nNrSekcji, nNrKolvenia, bWlaczone, bDostepne) "
         "values (1, 0, 1, 1, 1, 1)");
    exec("insert into ParamUrz (lParamUrzRef, lUrzadzenieRef, nParamId, sWartoscParam) values (1, 1, 1, '0')");
}

void TransmissionDatabaseTest::TearDown() {
    Core::SharedPackageLoader::instance().unloadAll();
    DBKernel::resetDefaultSession();
    PluDatabaseTest::TearDown();
}

std::vector<std::string> TransmissionDatabaseTest::sentPluCodes() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(output_.path()))
        if (entry.path().extension() == ".01") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> codes;
    const std::regex code(R"re(pluCode="([0-9]+)")re");
    for (const auto& file : files) {
        const std::string content = TestSupport::readFile(file);
        for (std::sregex_iterator it(content.begin(), content.end(), code), end; it != end; ++it) codes.push_back((*it)[1]);
    }
    return codes;
}

}  // namespace PluTest
