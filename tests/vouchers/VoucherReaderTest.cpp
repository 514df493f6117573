// Reading blocked-voucher import files: the fields wherever they stand, and files that
// are not well-formed XML refused with a message naming them.
#include <gtest/gtest.h>

#include "VoucherFiles.h"
#include "cashregister/vouchers/BlockedVoucherReader.h"
#include "config/Setup.h"
#include "core/Singleton.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

namespace {

using Kolvenia::BlockedVoucher;
using Kolvenia::BlockedVouchers::BlockedVoucherReader;

class VoucherReader : public ::testing::Test {
protected:
    void SetUp() override { configureParser(""); }
    static void configureParser(const std::string& id) {
        const std::string key =
            id.empty()
                ? ""
                : "<key name=\"Parametry programu\"><key name=\"XML\"><key name=\"Parser\"><key name=\"Id\" type=\"string\" value=\"" +
                      id + "\"/></key></key></key>";
        Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString("<configuration>" + key +
                                                                           "</configuration>");
    }
    Kolvenia::BlockedVoucherCollectionPtr read(const std::string& content) {
        TestSupport::writeFile(file, content);
        return BlockedVoucherReader().read(file);
    }
    // The message of the refusal of a file.
    std::string refusal(const std::string& content) {
        TestSupport::writeFile(file, content);
        return TestSupport::errorOf<Xml::Parser::ParseError>([&] { BlockedVoucherReader().read(file); });
    }

    TestSupport::TempDir dir;
    const std::filesystem::path file = dir / "blokady 1.xml";
};

TEST_F(VoucherReader, TakesFieldsInAnyOrderLeavesMissingOnesEmptyAndIgnoresOtherElements) {
    const auto records = read(
        "<?xml version=\"1.0\"?><import><naglowek>x</naglowek>"
        "<blokada><nominal>100</nominal><numerator_do>0200</numerator_do><inne>?</inne><grupa>Świąteczne</grupa>"
        "<numerator_od>0100</numerator_od><data_waznosci>2027-01-31</data_waznosci></blokada>"
        "<blokada><numerator_od>7</numerator_od><grupa/><grupa>drugi</grupa></blokada>"
        "<inna><blokada><grupa>zagnieżdżona</grupa></blokada></inna>"
        "</import>");
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0], (BlockedVoucher{"Świąteczne", "2027-01-31", "0100", "0200", "100"}));
    // An empty element is an empty text; of repeated children the first counts.
    EXPECT_EQ((*records)[1], (BlockedVoucher{"", std::nullopt, "7", std::nullopt, std::nullopt}));
}

TEST_F(VoucherReader, ADocumentWithoutRangesGivesNoRecords) {
    EXPECT_TRUE(read("<blokady><uwaga>brak</uwaga></blokady>")->empty());
}

TEST_F(VoucherReader, ConvertsTheEncodingTheDeclarationNames) {
    // "Bon świąteczny" in windows-1250.
    const auto records = read(
        "<?xml version=\"1.0\" encoding=\"windows-1250\"?><b><blokada><grupa>Bon \x9C\x77i\xB9teczny</grupa>"
        "</blokada></b>");
    ASSERT_EQ(records->size(), 1u);
    EXPECT_EQ((*records)[0].group, "Bon świąteczny");
}

TEST_F(VoucherReader, RefusesFilesThatAreNotWellFormedNamingThem) {
    const std::string whole = VoucherFiles::document({1, 2});
    for (const std::string& content :
         {std::string(), whole.substr(0, whole.size() / 2),
          std::string("<blokady><blokada><grupa>\xB9\xEA</grupa></blokada></blokady>"),
          std::string("<?xml version=\"1.0\" encoding=\"x-nieznane\"?><b/>"), std::string("<a></b>")}) {
        const std::string message = refusal(content);
        EXPECT_NE(message.find("Plik " + file.string() + " nie jest poprawnym plikiem XML: "), std::string::npos)
            << message;
    }
}

TEST_F(VoucherReader, UsesOnlyAParserTheHostHas) {
    configureParser("pugixml");
    EXPECT_EQ(read(VoucherFiles::document({4}))->size(), 1u);
    configureParser("msxml");
    EXPECT_THROW(BlockedVoucherReader(), std::runtime_error);
}

}  // namespace
