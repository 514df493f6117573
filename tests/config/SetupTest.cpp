#include "config/Setup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Errors.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

using Korvel::TKey;

namespace {

const std::string shopConfiguration =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!-- sklep przy ulicy Długiej -->\n"
    "<configuration>\n"
    "  <key name=\"Parametry programu\">\n"
    "    <key name=\"FrontOffice\" type=\"string\" value=\"węzeł z wartością i dziećmi\">\n"
    "      <key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"-500\"/>\n"
    "      <key name=\"Serwer Kasowy\">\n"
    "        <key name=\"Katalog - wyjście\" type=\"string\" value=\"$HOME/&quot;kasy&quot; &amp; &lt;wyjście&gt;\"/>\n"
    "        <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"\"/>\n"
    "      </key>\n"
    "    </key>\n"
    "  </key>\n"
    "  <key name=\"Inne\">\n"
    "    <key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"true\"/>\n"
    "    <key name=\"Pusty\"/>\n"
    "    <key name=\"Ąę\" type=\"bool\" value=\"false\"/>\n"
    "  </key>\n"
    "</configuration>\n";

// What saving the tree above gives: same order, same values, our own layout.
const std::string savedShopConfiguration =
    "<configuration>\n"
    "  <key name=\"Parametry programu\">\n"
    "    <key name=\"FrontOffice\" type=\"string\" value=\"węzeł z wartością i dziećmi\">\n"
    "      <key name=\"Wielkość paczki zawierającej PLU\" type=\"int\" value=\"-500\" />\n"
    "      <key name=\"Serwer Kasowy\">\n"
    "        <key name=\"Katalog - wyjście\" type=\"string\" value=\"$HOME/&quot;kasy&quot; &amp; &lt;wyjście>\" />\n"
    "        <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"\" />\n"
    "      </key>\n"
    "    </key>\n"
    "  </key>\n"
    "  <key name=\"Inne\">\n"
    "    <key name=\"Obsługa stacji paliw\" type=\"bool\" value=\"true\" />\n"
    "    <key name=\"Pusty\" />\n"
    "    <key name=\"Ąę\" type=\"bool\" value=\"false\" />\n"
    "  </key>\n"
    "</configuration>\n";

std::string loadError(const std::string& xml) {
    Core::CSetup setup;
    return TestSupport::errorOf<Core::PlacedRuntimeError>([&] { setup.loadFromString(xml, "sklep.xml"); });
}

TEST(SetupTest, LoadsTypedValuesNamesAndStructure) {
    Core::CSetup setup;
    setup.loadFromString(shopConfiguration);
    TKey frontOffice = setup.getRootKey().GetKey("Parametry programu").GetKey("FrontOffice");
    EXPECT_EQ(frontOffice.GetVal<std::string>(), "węzeł z wartością i dziećmi");
    EXPECT_EQ(frontOffice.GetKey("Wielkość paczki zawierającej PLU").GetVal<int>(), -500);
    TKey server = frontOffice.GetKey("Serwer Kasowy");
    EXPECT_EQ(server.GetKey("Katalog - wyjście").GetVal<AnsiString>(), AnsiString("$HOME/\"kasy\" & <wyjście>"));
    EXPECT_EQ(server.GetKey("Katalog - wyjście").rep()->Value().typeName(), "std::string");
    EXPECT_EQ(server.GetKey("Moduł transmisji do kasy").GetVal<std::string>(), "");
    TKey other = setup.getRootKey().GetKey("Inne");
    EXPECT_TRUE(other.GetKey("Obsługa stacji paliw").GetVal<bool>());
    EXPECT_FALSE(other.GetKey("Ąę").GetVal<bool>());
    EXPECT_TRUE(other.FindKey("Pusty"));
    EXPECT_THROW(other.GetKey("Pusty").GetVal<bool>(), Core::PlacedLogicError);
}

TEST(SetupTest, SaveWritesTheTreeInOrderAndReloadsToTheSameFile) {
    TestSupport::TempDir dir;
    Core::CSetup setup;
    setup.loadFromString(shopConfiguration);
    setup.getRootKey().GetKey("Nieobecny").GetKey("Też nie");  // placeholders are not saved
    setup.saveAs(dir / "korvel.xml");
    EXPECT_EQ(TestSupport::readFile(dir / "korvel.xml"), savedShopConfiguration);
    EXPECT_EQ(setup.path(), dir / "korvel.xml");

    Core::CSetup reloaded;
    reloaded.load(dir / "korvel.xml");
    reloaded.save();
    EXPECT_EQ(TestSupport::readFile(dir / "korvel.xml"), savedShopConfiguration);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left
}

TEST(SetupTest, SavedValuesWithLineBreaksAndSetValuesSurviveAReload) {
    TestSupport::TempDir dir;
    Core::CSetup setup;
    TKey root = setup.getRootKey();
    root.GetKey("Urządzenia").GetKey("Opis").set_val<AnsiString>("wiersz 1\nwiersz 2\tkoniec");
    root.GetKey("Urządzenia").GetKey("Liczba").set_val(2147483647);
    root.GetKey("Urządzenia").GetKey("Minimum").set_val(-2147483647 - 1);
    setup.saveAs(dir / "korvel.xml");

    Core::CSetup reloaded;
    reloaded.load(dir / "korvel.xml");
    TKey devices = reloaded.getRootKey().GetKey("Urządzenia");
    EXPECT_EQ(devices.GetKey("Opis").GetVal<std::string>(), "wiersz 1\nwiersz 2\tkoniec");
    EXPECT_EQ(devices.GetKey("Liczba").GetVal<int>(), 2147483647);
    EXPECT_EQ(devices.GetKey("Minimum").GetVal<int>(), -2147483647 - 1);
}

TEST(SetupTest, MalformedFileIsRefusedNamingFileLineAndReason) {
    const std::string head = "<configuration>\n  <key name=\"Inne\">\n";
    const std::string tail = "\n  </key>\n</configuration>\n";
    const std::string prefix = "Błąd w pliku konfiguracji sklep.xml, wiersz ";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {head + "    <key name=\"a\" type=\"bool\" value=\"tak\"/>" + tail,
         "3: wartość \"tak\" typu bool nie jest słowem true ani false"},
        {head + "    <key name=\"a\" type=\"bool\" value=\"True\"/>" + tail,
         "3: wartość \"True\" typu bool nie jest słowem true ani false"},
        {head + "    <key name=\"a\" type=\"int\" value=\"2147483648\"/>" + tail,
         "3: wartość \"2147483648\" typu int nie jest liczbą całkowitą od -2147483648 do 2147483647"},
        {head + "    <key name=\"a\" type=\"int\" value=\"12.5\"/>" + tail,
         "3: wartość \"12.5\" typu int nie jest liczbą całkowitą od -2147483648 do 2147483647"},
        {head + "    <key name=\"a\" type=\"int\" value=\"\"/>" + tail,
         "3: wartość \"\" typu int nie jest liczbą całkowitą od -2147483648 do 2147483647"},
        {head + "    <key name=\"a\" type=\"double\" value=\"1\"/>" + tail,
         "3: nieznany typ wartości \"double\" (dozwolone: bool, int, string)"},
        {head + "    <key type=\"int\" value=\"1\"/>" + tail, "3: element <key> bez atrybutu name"},
        {head + "    <key name=\"\"/>" + tail, "3: pusta nazwa klucza"},
        {head + "    <key name=\"a\" type=\"int\"/>" + tail, "3: atrybut type bez atrybutu value"},
        {head + "    <key name=\"a\" value=\"1\"/>" + tail, "3: atrybut value bez atrybutu type"},
        {head + "    <key name=\"a\" typ=\"int\"/>" + tail, "3: nieznany atrybut typ elementu <key>"},
        {head + "    <key name=\"a\"/>\n\n    <key name=\"a\"/>" + tail, "5: powtórzona nazwa klucza \"a\""},
        {head + "    <klucz name=\"a\"/>" + tail, "3: nieoczekiwany element <klucz>, oczekiwano <key>"},
        {head + "    tekst" + tail, "2: nieoczekiwany tekst w elemencie <key>"},
        {"<?xml version=\"1.0\"?>\n<konfiguracja/>\n",
         "2: element główny to <konfiguracja>, oczekiwano <configuration>"},
        {head + "    <key name=\"a\">" + tail, "5: niepoprawny XML: znacznik zamykający nie pasuje do otwierającego"},
        {head + "    <key name=\"a\" value=\"1\" value=\"2\"/>" + tail, "3: powtórzony atrybut value elementu <key>"},
        {head + "    <key name=a/>" + tail, "3: niepoprawny XML: niepoprawny atrybut"},
        {head + "    <key name=\"a\" type=\"int\" value=\"1\"" + tail,
         "4: niepoprawny XML: niepoprawny znacznik otwierający"},
        {"", "1: niepoprawny XML: brak elementu głównego"},
        {head +
             "    <key name=\"b\xB3\xB9"
             "d\"/>" +
             tail,
         "3: niepoprawny znak UTF-8 (plik musi być zapisany w UTF-8)"},
    };
    for (const auto& [xml, reason] : cases) EXPECT_EQ(loadError(xml), prefix + reason) << xml;
}

TEST(SetupTest, RefusedOrMissingFileChangesNothing) {
    TestSupport::TempDir dir;
    TestSupport::writeFile(dir / "good.xml", shopConfiguration);
    TestSupport::writeFile(dir / "bad.xml",
                           "<configuration>\n<key name=\"Inne\" type=\"int\" value=\"x\"/>\n</configuration>");
    Core::CSetup setup;
    setup.load(dir / "good.xml");
    TKey rootBefore = setup.getRootKey();

    EXPECT_THROW(setup.load(dir / "bad.xml"), Core::PlacedRuntimeError);
    EXPECT_EQ(TestSupport::errorOf<Core::PlacedRuntimeError>([&] { setup.load(dir / "brak.xml"); }),
              "Brak pliku konfiguracji " + (dir / "brak.xml").string() + ".");
    EXPECT_EQ(setup.getRootKey().rep(), rootBefore.rep());
    EXPECT_EQ(setup.path(), dir / "good.xml");
    EXPECT_TRUE(setup.getRootKey().GetKey("Inne").GetKey("Obsługa stacji paliw").GetVal<bool>());
}

TEST(SetupTest, FailedSaveRaisesNamingTheFileAndLeavesNoTemporary) {
    TestSupport::TempDir dir;
    Core::CSetup unbound;
    EXPECT_THROW(unbound.save(), Core::PlacedRuntimeError);

    const auto target = dir / "brak katalogu" / "korvel.xml";
    const std::string error = TestSupport::errorOf<Core::PlacedRuntimeError>([&] { unbound.saveAs(target); });
    EXPECT_EQ(error.rfind("Nie można zapisać pliku konfiguracji " + target.string() + ": ", 0), 0u) << error;
    EXPECT_TRUE(unbound.path().empty());

    // A directory standing where the file should be: the rename fails after the write.
    std::filesystem::create_directory(dir / "katalog.xml");
    TestSupport::writeFile(dir / "katalog.xml" / "x", "");
    EXPECT_THROW(unbound.saveAs(dir / "katalog.xml"), Core::PlacedRuntimeError);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
