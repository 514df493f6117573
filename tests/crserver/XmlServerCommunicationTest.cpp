// The XML-based cash-register server communication, loaded as the host loads it:
// data senders from the registered factory, files read back as the server would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <tuple>

#include "ExportedPluFields.h"
#include "TransferFileReader.h"
#include "cashregister/CashRegisterServerCommunication.h"
#include "cashregister/TransferFiles.h"
#include "config/Setup.h"
#include "core/PackageLoader.h"
#include "core/Singleton.h"
#include "support/ErrorOf.h"
#include "support/FilesIn.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace CashRegisterServerCommunication;
using CrServerTest::TransferFile;

namespace {

using FactoryHolder = Core::SingletonImplHolder<CashRegisterServerCommunicationFactory>;

constexpr int TransmissionDay = 46360;  // 4 December 2026

void configure(const std::string& extraServerKeys = "") {
    Core::SingletonImplHolder<Core::CSetup>::instance().loadFromString(
        "<configuration><key name=\"Parametry programu\"><key name=\"FrontOffice\"><key name=\"Serwer Kasowy\">\n"
        "  <key name=\"Katalog - wyjście\" type=\"string\" value=\"${CRSERVER_TEST_ROOT}/wyjście\"/>\n"
        "  <key name=\"Moduł transmisji do kasy\" type=\"string\" value=\"XmlBasedServerCommunication.bpl\"/>\n" +
        extraServerKeys + "</key></key></key></configuration>");
}

class XmlServerCommunication : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("CRSERVER_TEST_ROOT", root.path().c_str(), 1);
        fs::create_directory(out);
        configure();
        auto& loader = Core::SingletonImplHolder<Core::SharedPackageLoaderWithDep>::instance();
        loader.load("Devices.dll");
        loader.initializeModules();
    }
    void TearDown() override { Core::SharedPackageLoader::instance().unloadAll(); }

    static CashRegisterServerCommunicationFactory& factory() { return FactoryHolder::instance(); }

    PluDataSenderPtr pluSender(std::initializer_list<int> cashRegisters) const {
        auto sender = factory().createPluDataSender();
        sender->init({TransmissionDay});
        for (int number : cashRegisters) sender->addCashRegister(number);
        return sender;
    }

    std::vector<std::string> files() const { return TestSupport::filesIn(out); }

    static std::string name(char prefix, int sequence, int type) {
        char tail[16];
        std::snprintf(tail, sizeof tail, "%04d.%02x", sequence, type);
        return prefix + Kolvenia::Kasa::getCurrentDateFileNameStr() + tail;
    }

    void read(const std::string& fileName, TransferFile& file) const {
        CrServerTest::readTransferFile(out / fileName, file);
    }

    TestSupport::TempDir root;
    const fs::path out = root / "wyjście";
};

Kolvenia::ExportedPlu plainPlu(const std::string& code) {
    Kolvenia::ExportedPlu plu;
    plu.setPluCode(code);
    plu.setArticleName("Chleb żytni");
    plu.setStatus(ExportedPluStatus::Send);
    plu.setVatRate(5);
    plu.setSellPrice(4.5);
    return plu;
}

// Bundle 700: two of product 701 at 3.50, and a quarter of a component without a reference at 12.
Kolvenia::BundleWithElements bundleWithTwoItems() {
    Kolvenia::BundleWithElements bundle;
    bundle.setId(700);
    for (auto [id, quantity, price] :
         {std::tuple{std::optional<std::uint32_t>(701), 2.0, 3.5}, {std::nullopt, 0.25, 12.0}}) {
        auto item = std::make_shared<Kolvenia::BundleItem>();
        item->setId(id);
        item->setQuantity(quantity);
        item->setSellPrice(price);
        bundle.getItems()->add(item);
    }
    return bundle;
}

std::string localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

}  // namespace

TEST_F(XmlServerCommunication, ConfiguredModuleRegistersTheFactoryUntilItIsUnloaded) {
    EXPECT_TRUE(Core::SharedPackageLoader::instance().isLoaded("xmlbasedservercommunication.dll"));
    EXPECT_TRUE(FactoryHolder::find());
    Core::SharedPackageLoader::instance().unloadAll();
    EXPECT_FALSE(FactoryHolder::find());
}

TEST_F(XmlServerCommunication, EachPluPackageBecomesTheNextNumberedFileForAllTargets) {
    const Kolvenia::ExportedPlu full = CrServerTest::fullyFilledPlu();
    auto sender = pluSender({3, 1, 3});
    sender->add(full);
    sender->add(plainPlu("2000017"));
    EXPECT_TRUE(files().empty()) << "written before the package end";

    sender->send();
    ASSERT_EQ(files(), std::vector<std::string>{name('P', 1, 1)});
    TransferFile file;
    read(name('P', 1, 1), file);
    EXPECT_STREQ(file.root.name(), "cashRegisterData");
    EXPECT_STREQ(file.root.attribute("formatVersion").value(), "1");
    EXPECT_STREQ(file.root.attribute("kind").value(), "plu");
    EXPECT_STREQ(file.root.attribute("transmissionDay").value(), "2026-12-04");
    const std::string created = file.root.attribute("created").value();
    EXPECT_TRUE(std::regex_match(created, std::regex(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d)"))) << created;
    EXPECT_TRUE(created.starts_with(localToday())) << created;
    EXPECT_EQ(file.cashRegisters, (std::vector<int>{1, 3}));
    const auto records = file.records("plu");
    ASSERT_EQ(records.size(), 2u);
    const Kolvenia::ExportedPlu readBack = CrServerTest::readPlu(records[0]);
    for (const auto& field : CrServerTest::pluFields()) EXPECT_TRUE(field.holds(readBack)) << field.name;
    EXPECT_EQ(readBack, full);
    EXPECT_EQ(CrServerTest::readPlu(records[1]), plainPlu("2000017"));

    sender->send();  // nothing handed since: no file
    sender->add(plainPlu("2000024"));
    sender->send();
    pluSender({1})->send();
    auto next = pluSender({2});
    next->add(plainPlu("2000031"));
    next->send();
    EXPECT_EQ(files(), (std::vector<std::string>{name('P', 1, 1), name('P', 2, 1), name('P', 3, 1)}));
    TransferFile second;
    read(name('P', 2, 1), second);
    ASSERT_EQ(second.records("plu").size(), 1u);
    EXPECT_EQ(CrServerTest::readPlu(second.records("plu")[0]), plainPlu("2000024"));
}

TEST_F(XmlServerCommunication, PluTextIsPlainUtf8WithTwoDecimalPricesAndEmptyOptionalsLeftOut) {
    auto sender = pluSender({1});
    Kolvenia::ExportedPlu noAgeLimit = plainPlu("1");
    Kolvenia::ExportedPlu zeroAgeLimit = plainPlu("2");
    zeroAgeLimit.setSaleAgeLimit(0u);
    sender->add(noAgeLimit);
    sender->add(zeroAgeLimit);
    sender->send();

    const std::string text = TestSupport::readFile(out / name('P', 1, 1));
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")) << text.substr(0, 60);
    EXPECT_NE(text.find("articleName=\"Chleb żytni\""), std::string::npos);
    TransferFile file;
    read(name('P', 1, 1), file);
    const auto records = file.records("plu");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].attribute("sellPrice").value(), "4.50");
    EXPECT_FALSE(records[0].attribute("saleAgeLimit"));
    EXPECT_FALSE(records[0].attribute("id"));
    EXPECT_FALSE(records[0].child("promotionRefundation"));
    EXPECT_STREQ(records[1].attribute("saleAgeLimit").value(), "0");
    EXPECT_STREQ(records[1].attribute("status").value(), "1");
}

TEST_F(XmlServerCommunication, ProductSetHandedByEachOfItsProductsIsWrittenOnceAsLastHanded) {
    auto sender = factory().createCompositionDataSender();
    sender->addCashRegister(2);
    sender->add({5, "Na grilla", {101, 102}});
    sender->add({6, "Śniadanie do szkoły", {103}});
    sender->add({5, "Na grilla", {101, 102, 104}});
    sender->send();
    sender->send();

    ASSERT_EQ(files(), std::vector<std::string>{name('S', 1, 2)});
    TransferFile file;
    read(name('S', 1, 2), file);
    EXPECT_STREQ(file.root.attribute("kind").value(), "productSets");
    const auto records = file.records("productSet");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(CrServerTest::readProductSet(records[0]), (Composition::ProductSet{5, "Na grilla", {101, 102, 104}}));
    EXPECT_EQ(CrServerTest::readProductSet(records[1]), (Composition::ProductSet{6, "Śniadanie do szkoły", {103}}));
}

TEST_F(XmlServerCommunication, CompleteBundleListIsWrittenEvenEmptyAndASelectionOnlyWithBundles) {
    auto complete = factory().createBundleDataSender();
    complete->addCashRegister(4);
    complete->send();
    ASSERT_EQ(files(), std::vector<std::string>{name('Z', 1, 3)});
    TransferFile empty;
    read(name('Z', 1, 3), empty);
    EXPECT_STREQ(empty.root.attribute("kind").value(), "bundles");
    EXPECT_STREQ(empty.root.attribute("complete").value(), "true");
    EXPECT_TRUE(empty.records("bundle").empty());

    auto selection = factory().createBundleDataSender();
    selection->setCompleteList(false);
    selection->addCashRegister(4);
    selection->send();
    EXPECT_EQ(files().size(), 1u);

    Kolvenia::BundleWithElements bundle = bundleWithTwoItems();
    Kolvenia::BundleWithElements asHanded;
    asHanded.cloneFields(bundle);
    selection->add(bundle);
    bundle.getItems()->add(std::make_shared<Kolvenia::BundleItem>());  // after the hand-over: not sent
    selection->send();
    TransferFile file;
    read(name('Z', 2, 3), file);
    EXPECT_STREQ(file.root.attribute("complete").value(), "false");
    const auto records = file.records("bundle");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(CrServerTest::readBundle(records[0]), asHanded);
    EXPECT_STREQ(records[0].child("item").attribute("sellPrice").value(), "3.50");
}

// The whole text but the creation time: names escaped, empty sets and bundles closed
// on their own line, a set handed again after a send going into the next file.
TEST_F(XmlServerCommunication, ProductSetAndBundleFilesAreWrittenToTheLetter) {
    const auto withoutTime = [&](char prefix, int sequence, int type) {
        const std::string text = TestSupport::readFile(out / name(prefix, sequence, type));
        return std::regex_replace(text, std::regex(R"(created="[^"]*")"), "created=\"T\"");
    };
    auto sets = factory().createCompositionDataSender();
    sets->addCashRegister(2);
    sets->addCashRegister(1);
    sets->add({5, "Kawa \"Złota\" & <mleko>\t'ekstra'", {101, 102}});
    sets->add({6, "", {}});
    sets->send();
    sets->add({6, "Pusty", {}});
    sets->send();
    EXPECT_EQ(withoutTime('S', 1, 2),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<cashRegisterData formatVersion=\"1\" kind=\"productSets\" created=\"T\">\n"
              "  <cashRegisters>\n"
              "    <cashRegister number=\"1\" />\n"
              "    <cashRegister number=\"2\" />\n"
              "  </cashRegisters>\n"
              "  <productSet id=\"5\" name=\"Kawa &quot;Złota&quot; &amp; &lt;mleko>&#09;'ekstra'\">\n"
              "    <product id=\"101\" />\n"
              "    <product id=\"102\" />\n"
              "  </productSet>\n"
              "  <productSet id=\"6\" name=\"\" />\n"
              "</cashRegisterData>\n");
    TransferFile next;
    read(name('S', 2, 2), next);
    ASSERT_EQ(next.records("productSet").size(), 1u);
    EXPECT_EQ(CrServerTest::readProductSet(next.records("productSet")[0]), (Composition::ProductSet{6, "Pusty", {}}));

    auto bundles = factory().createBundleDataSender();
    bundles->setCompleteList(false);
    bundles->addCashRegister(1);
    bundles->add(bundleWithTwoItems());
    Kolvenia::BundleWithElements withoutItems;
    withoutItems.setId(800);
    bundles->add(withoutItems);
    bundles->send();
    EXPECT_EQ(withoutTime('Z', 1, 3),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<cashRegisterData formatVersion=\"1\" kind=\"bundles\" created=\"T\" complete=\"false\">\n"
              "  <cashRegisters>\n"
              "    <cashRegister number=\"1\" />\n"
              "  </cashRegisters>\n"
              "  <bundle id=\"700\">\n"
              "    <item id=\"701\" quantity=\"2\" sellPrice=\"3.50\" />\n"
              "    <item quantity=\"0.25\" sellPrice=\"12.00\" />\n"
              "  </bundle>\n"
              "  <bundle id=\"800\" />\n"
              "</cashRegisterData>\n");
}

// The senders of one factory share the elements last written; each file must still show
// the bundles its own sender was handed.
TEST_F(XmlServerCommunication, EachBundleFileShowsItsOwnBundlesWhenListsRepeatOrChange) {
    const auto sendQuantities = [&](std::initializer_list<double> quantities) {
        Kolvenia::BundleWithElements bundle;
        bundle.setId(700);
        for (double quantity : quantities) {
            auto item = std::make_shared<Kolvenia::BundleItem>();
            item->setId(701);
            item->setQuantity(quantity);
            bundle.getItems()->add(item);
        }
        auto sender = factory().createBundleDataSender();
        sender->addCashRegister(1);
        sender->add(bundle);
        sender->send();
    };
    const auto quantitiesIn = [&](int sequence) {
        TransferFile file;
        read(name('Z', sequence, 3), file);
        std::vector<std::string> quantities;
        for (const auto& item : file.records("bundle").at(0).children("item"))
            quantities.push_back(item.attribute("quantity").value());
        return quantities;
    };
    sendQuantities({0.0, 1.5});
    sendQuantities({0.0, 1.5});
    sendQuantities({-0.0, 1.5});
    sendQuantities({1.5});
    sendQuantities({0.0, 1.5});
    EXPECT_EQ(quantitiesIn(1), (std::vector<std::string>{"0", "1.5"}));
    EXPECT_EQ(quantitiesIn(2), (std::vector<std::string>{"0", "1.5"}));
    EXPECT_EQ(quantitiesIn(3), (std::vector<std::string>{"-0", "1.5"}));
    EXPECT_EQ(quantitiesIn(4), (std::vector<std::string>{"1.5"}));
    EXPECT_EQ(quantitiesIn(5), (std::vector<std::string>{"0", "1.5"}));
}

TEST_F(XmlServerCommunication, SenderWithoutTargetWritesNothing) {
    auto plu = pluSender({});
    plu->add(plainPlu("1"));
    plu->send();
    factory().createBundleDataSender()->send();
    EXPECT_TRUE(files().empty());
}

TEST_F(XmlServerCommunication, FailedSendLeavesNoFileAndCanBeRepeated) {
    const std::string blocker = name('P', 9998, 1);
    TestSupport::writeFile(out / blocker, "");
    auto sender = pluSender({1});
    sender->add(plainPlu("1"));
    EXPECT_EQ(TestSupport::errorOf<std::runtime_error>([&] { sender->send(); }),
              "Błąd! Za dużo plików oczekuje do przesłania na kasy!");
    EXPECT_EQ(files(), std::vector<std::string>{blocker}) << "the temporary file stayed";

    fs::remove(out / blocker);
    sender->send();
    ASSERT_EQ(files(), std::vector<std::string>{name('P', 1, 1)});
    TransferFile file;
    read(name('P', 1, 1), file);
    ASSERT_EQ(file.records("plu").size(), 1u);
    EXPECT_EQ(CrServerTest::readPlu(file.records("plu")[0]), plainPlu("1"));
}

TEST_F(XmlServerCommunication, MissingOutputDirectoryFailsTheSend) {
    auto sender = pluSender({1});
    sender->add(plainPlu("1"));
    fs::remove_all(out);
    const std::string error = TestSupport::errorOf<std::runtime_error>([&] { sender->send(); });
    EXPECT_TRUE(error.starts_with("Nie można utworzyć pliku " + out.string() + "/$P")) << error;
}

TEST_F(XmlServerCommunication, PluRecordBeforeTheSenderArgumentsIsRefused) {
    auto sender = factory().createPluDataSender();
    sender->addCashRegister(1);
    EXPECT_THROW(sender->add(plainPlu("1")), std::logic_error);
}

TEST_F(XmlServerCommunication, MakingASenderClearsOldTemporaryFilesOnlyWhenConfigured) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::days{10};
    for (const char* name : {"$P1-1.tmp", "$P1-2.tmp"}) {
        TestSupport::writeFile(out / name, "<cashRegisterData");
        fs::last_write_time(out / name, old);
    }
    TestSupport::writeFile(out / "$P1-3.tmp", "<cashRegisterData");

    factory().createPluDataSender();
    EXPECT_EQ(files().size(), 3u);

    configure("<key name=\"Usuwaj pliki tymczasowe starsze niż X dni\" type=\"int\" value=\"5\"/>");
    factory().createBundleDataSender();
    EXPECT_EQ(files(), std::vector<std::string>{"$P1-3.tmp"});
}
