// The scale sender over rows of the day's PLU dataset, on both engines: which scales
// take part, which records pass, where each goes, batches, old numbers, compositions.
#include <gtest/gtest.h>

#include <algorithm>
#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>
#include <set>

#include "ScaleTestSupport.h"
#include "core/DateTime.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/PLUTransmissionContainer.h"
#include "plu/ProductDataForFrontOfficeFromDataSet.h"
#include "scales/ScaleFileNames.h"
#include "scales/ScaleXmlFileSender.h"

namespace {

namespace fs = std::filesystem;
using ScaleTest::ScaleProduct;
using Files = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;

class ScaleSenderTest : public ScaleTest::ScaleShop {
protected:
    // Every row of today's PLU dataset through one transmission of the scale sender.
    void sendTheDay() {
        TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
        engine.CreateDataSet(static_cast<float>(Core::DateTime::today()));
        Devices::ScaleXmlFileSender sender;
        sender.begin(CNullUrzCollectionModStrategy());
        const auto record = std::make_shared<Devices::ProductDataForFrontOfficeFromDataSet>(engine.getMainQuery());
        for (auto* rows = engine.getDataSet(); !rows->Eof(); rows->Next()) sender.send(record);
        sender.end();
    }
    // The same PLUs sent again under the server's changed settings, into an empty directory.
    void sendAgain() {
        fs::remove_all(server.data);
        fs::create_directories(server.data);
        ScaleTest::configure(server.keys());
        exec("update PLU set byStatus = 1");
        sendTheDay();
    }
    // The one data file of a scale (of this run).
    fs::path fileOf(int scale, int section) const {
        for (const auto& name : ScaleTest::filesIn(server.data))
            if (Devices::ScaleDataFileName(name).scale() == scale &&
                Devices::ScaleDataFileName(name).section() == section)
                return server.data / name;
        ADD_FAILURE() << "no file of scale " << scale << " in section " << section;
        return {};
    }
    Texts productsOf(int scale, int section) const {
        const fs::path file = fileOf(scale, section);
        const auto numbers = fieldOfProducts(file, "NR"), codes = fieldOfProducts(file, "PLU");
        Texts products;
        for (std::size_t i = 0; i < numbers.size(); ++i) products.push_back(numbers[i] + " " + codes[i]);
        return products;
    }
};

ScaleProduct product(int id, const std::string& code, int section = 1, int unit = 3) {
    ScaleProduct p(id, "Towar " + std::to_string(id), 10.0 + id, code);
    p.section = section;
    p.scaleNumber = id;
    p.unit = unit;
    return p;
}

}  // namespace

TEST_P(ScaleSenderTest, WithoutAnEnabledScaleNoDirectoryIsTouched) {
    addScale(1, 1, 1, false);
    addProduct(product(1, "2700001"));
    TestSupport::writeFile(server.temporary / "00000001.1wa", "z poprzedniej transmisji");
    sendTheDay();
    EXPECT_EQ(ScaleTest::filesIn(server.temporary), Texts{"00000001.1wa"});
    EXPECT_TRUE(ScaleTest::filesIn(server.data).empty());
}

TEST_P(ScaleSenderTest, AProductGoesToEveryEnabledScaleOfItsSectionOnly) {
    addScale(1, 2, 1);
    addScale(2, 2, 2);
    addScale(3, 2, 3, false);
    addScale(4, 3, 1);
    addProduct(product(1, "2700001", 2));
    addProduct(product(2, "2700002", 3));
    addProduct(product(3, "2700003", 5));  // no scale in section 5
    TestSupport::writeFile(server.temporary / "00000009.9wa", "z przerwanej transmisji");
    sendTheDay();
    EXPECT_EQ(ScaleTest::filesIn(server.data), (Texts{"00000001.2wa", "00000001.3wa", "00000002.2wa"}));
    EXPECT_TRUE(ScaleTest::filesIn(server.temporary).empty()) << "a left-over file is cleared at the beginning";
    EXPECT_EQ(productsOf(1, 2), Texts{"1 2700001"});
    EXPECT_EQ(TestSupport::readFile(fileOf(1, 2)).substr(100), TestSupport::readFile(fileOf(2, 2)).substr(100));
    EXPECT_EQ(productsOf(1, 3), Texts{"2 2700002"});
}

TEST_P(ScaleSenderTest, OnlyWeighedProductsWithASectionANumberAndAFittingCodeAreSent) {
    addScale(1, 1, 1);
    ScaleProduct notWeighed = product(1, "2700001");
    notWeighed.weighed = false;
    addProduct(notWeighed);
    addProduct(product(2, "2700002", 0));
    addProduct(product(3, "2700003", 10));
    ScaleProduct noNumber = product(4, "2700004");
    noNumber.scaleNumber = 0;
    addProduct(noNumber);
    addProduct(product(5, "2700005", 1, 1));  // weight code by the piece: passes
    addProduct(product(6, "2700006", 1, 2));  // weight code by the litre: skipped
    addProduct(product(7, "2900007", 1, 2));  // value code: any unit
    addProduct(product(8, "5901234123457"));  // a manufacturer's code is no scale code
    addProduct(product(9, "2600120123429"));  // nor is a price-carrying one
    addProduct(product(10, "12AB"));          // nor text that is no code
    addProduct(product(11, "2800011"));
    sendTheDay();
    Texts sent = productsOf(1, 1);
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, (Texts{"11 2800011", "5 2700005", "7 2900007"}));
}

TEST_P(ScaleSenderTest, CodeKindsAndPrefixesAreSentAsConfigured) {
    addScale(1, 1, 1);
    addProduct(product(1, "2712345"));
    addProduct(product(2, "2912345"));
    addProduct(product(3, "2812345"));
    server.weightCodes = false;
    ScaleTest::configure(server.keys());
    sendTheDay();
    EXPECT_EQ(productsOf(1, 1), Texts{"2 2912345"});

    server.weightCodes = true;
    server.onlyPrefixes = true;
    server.prefixes = {"27", "28"};
    sendAgain();
    EXPECT_EQ(productsOf(1, 1), (Texts{"1 2712345", "3 2812345"}));
}

TEST_P(ScaleSenderTest, BatchesOf200RecordsMakeConsecutiveFilesAllMovedAtTheEnd) {
    addScale(1, 1, 4);
    exec("insert into DeletedProductScaleNumber (ProductId, SectionNumber, NumberOnScale) values (0, 1, 1)");
    TestSupport::writeFile(server.data / "00041004.1wa", "czeka na serwer wagowy");
    for (int id = 1; id <= 450; ++id) addProduct(product(id, "27" + (boost::format("%05d") % id).str()));
    sendTheDay();
    const Texts files = ScaleTest::filesIn(server.data);
    ASSERT_EQ(files, (Texts{"00041004.1wa", "00042004.1wa", "00043004.1wa", "00044004.1wa"}));
    EXPECT_EQ(fieldOfProducts(server.data / files[1], "NR").size(), 200u);
    EXPECT_EQ(fieldOfProducts(server.data / files[2], "NR").size(), 200u);
    EXPECT_EQ(fieldOfProducts(server.data / files[3], "NR").size(), 50u);
    std::set<std::string> numbers;
    for (std::size_t i = 1; i < files.size(); ++i)
        for (const auto& number : fieldOfProducts(server.data / files[i], "NR")) numbers.insert(number);
    EXPECT_EQ(numbers.size(), 450u) << "every product once";
}

TEST_P(ScaleSenderTest, OldScaleNumbersOfTheScalesSectionsGoAsDeletionsFirst) {
    addScale(1, 1, 1);
    addProduct(product(5, "2700005"));
    addProduct(product(6, "2700006"));
    addOldScaleNumber(5, 1, 15);
    addOldScaleNumber(5, 1, 15);  // a repeated row counts once
    addOldScaleNumber(5, 2, 7);   // no scale of section 2 takes part
    addOldScaleNumber(9, 1, 3);   // a product that is not sent
    sendTheDay();
    EXPECT_EQ(productsInDataFiles(), (Files{{"15 2700005 USUN", "5 2700005", "6 2700006"}}));
}

TEST_P(ScaleSenderTest, ShelfLifeFallsBackToTheScalesDefaultAndDeletionsAreMarked) {
    addScale(1, 1, 1, true, 5);
    addScale(2, 1, 2);
    ScaleProduct own = product(1, "2700001");
    own.shelfLife = 3;
    addProduct(own);
    addProduct(product(2, "2700002"));
    ScaleProduct deleted = product(3, "2700003");
    deleted.pluStatus = 3;
    addProduct(deleted);
    sendTheDay();
    EXPECT_EQ(fieldOfProducts(fileOf(1, 1), "SPOZYC_DO"), (Texts{"3", "5", "5"}));
    EXPECT_EQ(fieldOfProducts(fileOf(2, 1), "SPOZYC_DO"), (Texts{"3", "", ""}));
    EXPECT_EQ(fieldOfProducts(fileOf(2, 1), "USUN"), (Texts{"", "", "1"}));
}

TEST_P(ScaleSenderTest, CompositionsGoForTheListedGroupsOnlyWhenSoConfigured) {
    addScale(1, 1, 1);
    for (auto [id, group] : {std::pair{1, "A1"}, {2, "B2"}, {3, "C3"}, {4, "D4"}}) {
        ScaleProduct p = product(id, "270000" + std::to_string(id));
        p.group = group;
        p.composition = "skład " + std::to_string(id);
        addProduct(p);
    }
    addProduct(product(5, "2700005"));  // no composition at all
    server.compositionsOnlyForGroups = true;
    server.groupList = "A1, B2;C3";
    ScaleTest::configure(server.keys());
    sendTheDay();
    EXPECT_EQ(fieldOfProducts(fileOf(1, 1), "SKLADNIKI"), (Texts{"\"skład 1\"", "\"skład 2\"", "\"skład 3\"", "", ""}));

    server.compositionsOnlyForGroups = false;
    sendAgain();
    EXPECT_EQ(fieldOfProducts(fileOf(1, 1), "SKLADNIKI"),
              (Texts{"\"skład 1\"", "\"skład 2\"", "\"skład 3\"", "\"skład 4\"", ""}));
}

TEST_P(ScaleSenderTest, ABatchWritesADeletionWithoutANumberButNoLoadAndStopsAtACodeTooLongForAnInt) {
    // What the filter would stop never reaches a batch from the sender; a batch on its
    // own shows what it does with such codes.
    addScale(1, 1, 1);
    addProduct(product(1, "2700001"));
    ScaleProduct textDeleted = product(2, "12AB");
    textDeleted.pluStatus = 3;
    addProduct(textDeleted);
    addProduct(product(3, "12AC"));
    addProduct(product(4, "5901234123457"));
    TPLUTransmissionContainer engine(ETransKindName::Immediate, session());
    engine.CreateDataSet(static_cast<float>(Core::DateTime::today()));
    const auto record = std::make_shared<Devices::ProductDataForFrontOfficeFromDataSet>(engine.getMainQuery());
    Devices::SingleScaleXmlFileSender single(std::make_shared<Devices::DevicesService>(),
                                             std::make_shared<MeasureUnitService>(),
                                             std::make_shared<Devices::ScaleDataTransferFileManager>(),
                                             std::make_shared<Devices::DefaultScaleXmlSenderConfig>());
    single.begin({{{1, 1}, std::nullopt}});
    std::string failedCode;
    for (auto* rows = engine.getDataSet(); !rows->Eof(); rows->Next()) {
        try {
            single.send(record);
        } catch (const boost::bad_lexical_cast&) {
            failedCode = record->getPluCode();
        }
    }
    single.end();
    EXPECT_EQ(failedCode, "5901234123457");
    const Texts files = ScaleTest::filesIn(server.temporary);
    ASSERT_EQ(files.size(), 1u);
    Texts written;
    const auto codes = fieldOfProducts(server.temporary / files[0], "PLU"),
               eans = fieldOfProducts(server.temporary / files[0], "EAN"),
               deletions = fieldOfProducts(server.temporary / files[0], "USUN");
    for (std::size_t i = 0; i < codes.size(); ++i) written.push_back(codes[i] + " " + eans[i] + " " + deletions[i]);
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (Texts{"12AB -1 1", "2700001 2700001 "}));
}

TEST(ScaleSenderConfig, AGroupListSplitsAtEverySeparator) {
    EXPECT_EQ(Devices::DefaultScaleXmlSenderConfig::splitGroupList("A1, B2;C3"),
              (std::set<std::string>{"A1", "B2", "C3"}));
    EXPECT_EQ(Devices::DefaultScaleXmlSenderConfig::splitGroupList(" A1\n\tB2 ,; C3;"),
              (std::set<std::string>{"A1", "B2", "C3"}));
    EXPECT_TRUE(Devices::DefaultScaleXmlSenderConfig::splitGroupList(" ,;").empty());
}

KORVEL_ON_EACH_ENGINE(ScaleSenderTest);
