// The promotion actions fired through the host's action container, as the console, the
// service call, the send-all-data action and the windows start them: what reaches the
// transfer files, what is recorded as sent, and the texts.
#include <list>

#include "PromotionShop.h"
#include "core/ActionContainer.h"
#include "forms/FormKernel.h"
#include "frame/SendAllDataActionInvoker.h"
#include "plu/ProcessAndSendActions.h"
#include "support/RecordedBoxes.h"

namespace PromotionTest {
namespace {

constexpr const char* SendPredefinedWithRefGui = "{0C5B5340-E2FD-4587-98C4-148A8D9F5639}";
constexpr const char* SendWithGuidFire = "{3E969B7A-AFE1-4B48-896F-4386E7429611}";
constexpr const char* SendWithRefGui = "{C6483C5D-F3D0-4E33-A992-7AC0576A3F47}";
constexpr const char* SendAll = "{ADED7E1D-8ECF-414F-A466-24F4AA921918}";
constexpr const char* NewAndModifiedService = "{9609DF3C-9DD7-4FA9-B9D7-4AF7340346EE}";
constexpr const char* NewAndModifiedFire = "{814B4352-C700-4454-8C7E-95FC7E47C90A}";
constexpr const char* NewAndModifiedGui = "{F980BD6B-8CAD-42B1-91E6-3DE1D740C0A1}";

constexpr int Sent = 1;
constexpr int Modified = 2;

std::vector<std::string> attributeOf(const std::vector<pugi::xml_node>& nodes, const char* name) {
    Texts values;
    for (const auto& node : nodes) values.push_back(node.attribute(name).value());
    return values;
}

std::vector<pugi::xml_node> children(pugi::xml_node parent, const char* name) {
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node child : parent.children(name)) found.push_back(child);
    return found;
}

class WindowArgs : public FormKernel::IBaseFormArgs {
public:
    explicit WindowArgs(std::list<int> references) : references_(std::move(references)) {}
    const std::list<int>& getReferences() const override { return references_; }

private:
    std::list<int> references_;
};

class Progress : public Core::ThreadUserIo::ISteppableProgressIndicator {
public:
    void setText(const std::string&) override {}
    void setMaximum(long long steps) override { shown += " maximum " + std::to_string(steps); }
    void step(long long count) override { shown += " step " + std::to_string(count); }
    void finish() override { shown += " finish"; }
    std::string shown;
};

class PromotionActions : public PromotionShop {
protected:
    void SetUp() override {
        PromotionShop::SetUp();
        boxes = std::make_shared<TestSupport::RecordedBoxes>();
        FormKernel::installMessageBoxes(boxes);
        addCashRegister(1);
        addCashRegister(2);
        addCashRegister(3, false);
        addGift(3, "Kubek");
        addGift(4, "Torba \"eko\"");
    }
    void TearDown() override {
        FormKernel::installMessageBoxes(nullptr);
        PromotionShop::TearDown();
    }

    // A promotion that buys 3 of product 11 and gives gift 3.
    void addGiftPromotion(PromotionRow row) {
        addPromotion(row);
        addElement(row.id, row.id * 10 + 1, "ArticlesQuantityValue", {{"quantity_threshold", "3"}});
        addItems(row.id * 10 + 1, {11});
        addElement(row.id, row.id * 10 + 2, "Present", {{"present_id", "3"}, {"quantity", "1"}});
    }

    std::pair<bool, std::string> fireConsole(const char* guid, Texts arguments, std::string* output = nullptr) {
        auto args = std::make_shared<ConsoleArgs>(std::move(arguments));
        auto result = fire(guid, args);
        if (output) *output = args->out.str();
        return result;
    }

    // The ids of the promotions in the only transfer file, asserting there is one.
    Texts promotionsInOnlyFile() {
        const Texts names = files();
        EXPECT_EQ(names.size(), 1u);
        if (names.size() != 1) return {};
        pugi::xml_document document;
        return attributeOf(children(readFile(names.front(), document), "promotion"), "id");
    }

    std::shared_ptr<TestSupport::RecordedBoxes> boxes;
};

TEST_P(PromotionActions, NewAndModifiedReachTheRegistersOnceWithGiftsAndAreRecordedSent) {
    addGiftPromotion({.id = 1, .number = "P-1"});
    addGiftPromotion({.id = 2, .number = "P-2", .sendStatus = Sent});
    addGiftPromotion({.id = 3, .number = "P-3", .sendStatus = Modified, .cancelled = true});
    addGiftPromotion({.id = 4, .number = "P-4", .simple = true});

    std::string output;
    EXPECT_EQ(fireConsole(NewAndModifiedFire, {}, &output), std::make_pair(true, std::string("Wysłano promocji: 2.")));
    EXPECT_EQ(output, "Wysłano promocji: 2.\n");
    EXPECT_EQ(takeJournal(), Texts{"promotions"});

    const Texts names = files();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names.front().front(), 'M');
    EXPECT_EQ(names.front().substr(names.front().size() - 3), ".24");
    pugi::xml_document document;
    const pugi::xml_node root = readFile(names.front(), document);
    EXPECT_STREQ(root.attribute("kind").value(), "promotions");
    EXPECT_EQ(attributeOf(children(root.child("cashRegisters"), "cashRegister"), "number"), (Texts{"1", "2"}));
    EXPECT_EQ(attributeOf(children(root, "gift"), "name"), (Texts{"Kubek", "Torba \"eko\""}));
    const auto promotions = children(root, "promotion");
    EXPECT_EQ(attributeOf(promotions, "id"), (Texts{"1", "3"}));
    EXPECT_EQ(attributeOf(promotions, "status"), (Texts{"1", "2"}));
    const pugi::xml_node first = promotions.at(0);
    EXPECT_STREQ(first.attribute("externalGuid").value(), guidOf(1).c_str());
    EXPECT_STREQ(first.attribute("beginDate").value(), "2025-12-09");
    EXPECT_STREQ(first.child("parameters").attribute("priority").value(), "5");
    EXPECT_STREQ(first.child("activators").text().get(), "<activators><activator code=\"ŻABKA\"/></activators>");
    const pugi::xml_node condition = first.child("conditions").child("condition");
    EXPECT_STREQ(condition.attribute("type").value(), "2");
    EXPECT_STREQ(condition.attribute("productQuantityThreshold").value(), "3");
    EXPECT_STREQ(condition.child("article").attribute("id").value(), "11");
    const pugi::xml_node profit = first.child("profits").child("profit");
    EXPECT_STREQ(profit.attribute("type").value(), "3");
    EXPECT_STREQ(profit.attribute("giftRef").value(), "3");

    EXPECT_EQ(sendStatusOf(1), Sent);
    EXPECT_EQ(sendStatusOf(3), Sent);
    EXPECT_EQ(sendStatusOf(4), 0) << "a simple promotion travels with its PLU data";

    // Nothing new since: nothing is sent, no file appears.
    EXPECT_EQ(fireConsole(NewAndModifiedFire, {}, &output), std::make_pair(true, std::string("Wysłano promocji: 0.")));
    EXPECT_EQ(files(), names);
}

TEST_P(PromotionActions, APromotionThatFailsToTranslateStopsTheWholeRun) {
    addGiftPromotion({.id = 1, .number = "P-1"});
    addPromotion({.id = 2, .number = "P-2", .sendStatus = Modified});
    addElement(2, 21, "BasketRebate", {{"rebate_type", "7"}, {"rebate_value", "5"}});

    std::string output;
    const auto [succeeded, message] = fireConsole(NewAndModifiedFire, {}, &output);
    EXPECT_FALSE(succeeded);
    EXPECT_EQ(message, "Błąd podczas wysyłania promocji o numerze P-2: Błędny typ rabatu.");
    EXPECT_EQ(output, "Błąd w trakcie wysyłania promocji: " + message + "\n");
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(sendStatusOf(1), 0);
    EXPECT_EQ(sendStatusOf(2), Modified);

    // Mended, the next run sends both.
    exec("update PromotionElement set rebate_type = 1 where id = 21");
    EXPECT_TRUE(fireConsole(NewAndModifiedFire, {}).first);
    EXPECT_EQ(promotionsInOnlyFile(), (Texts{"1", "2"}));
    EXPECT_EQ(sendStatusOf(1), Sent);
    EXPECT_EQ(sendStatusOf(2), Sent);
}

TEST_P(PromotionActions, ByGuidRefusesBadArgumentsAndSendsOnlyThatPromotion) {
    addGiftPromotion({.id = 1, .number = "P-1", .sendStatus = Sent});
    addGiftPromotion({.id = 2, .number = "P-2"});
    const std::string usage =
        "Akcja wysyła promocję o podanym guidzie.\nPoprawne uzycie akcji:\nfire <guid_akcji> <guid_promocji>\n";
    const std::string guid = guidOf(1);

    const std::vector<std::pair<Texts, std::string>> refused{
        {{}, "Podany guid jest nieprawidłowy."},
        {{guid, guid}, "Podany guid jest nieprawidłowy."},
        {{"{00000000-0000-0000-0000-00000000001}"}, "GUID jest nieporawny."},
        {{"{00000000-0000-0000-0000-000000000001"}, "GUID jest nieporawny."},
        {{"promocja"}, "GUID jest nieporawny."}};
    for (const auto& [arguments, text] : refused) {
        std::string output;
        EXPECT_EQ(fireConsole(SendWithGuidFire, arguments, &output), std::make_pair(false, text));
        EXPECT_EQ(output, text + "\n" + usage);
    }
    std::string output;
    const std::string unknown = "{00000000-0000-0000-0000-0000000000AB}";
    EXPECT_FALSE(fireConsole(SendWithGuidFire, {unknown}, &output).first);
    EXPECT_EQ(output, "Wysyłanie promocji o guidzie: " + unknown +
                          "\nBłąd w trakcie wysyłania promocji: Nie odnaleziono promocji o guidzie " + unknown + ".\n");
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(sendStatusOf(2), 0);

    // Already sent or not, the named promotion goes; letter case and braces do not matter.
    EXPECT_TRUE(fireConsole(SendWithGuidFire, {"00000000-0000-0000-0000-000000000001"}, &output).first);
    EXPECT_EQ(output,
              "Wysyłanie promocji o guidzie: " + guid + "\nWysłano promocji: 1.\nWysyłanie zakończone powodzeniem.\n");
    EXPECT_EQ(promotionsInOnlyFile(), Texts{"1"});
    EXPECT_EQ(sendStatusOf(2), 0);
}

TEST_P(PromotionActions, NewAndModifiedFromTheConsoleTakesNoArgument) {
    addGiftPromotion({.id = 1, .number = "P-1"});
    std::string output;
    EXPECT_EQ(fireConsole(NewAndModifiedFire, {"-all"}, &output),
              std::make_pair(false, std::string("Niepoprawna liczba parametrów")));
    EXPECT_EQ(output,
              "Niepoprawna liczba parametrów\nAkcja wysyła nowe i zmodyfikowane promocje.\nPoprawne użycie akcji:\n"
              "fire <guid_akcji> // wysłanie nowych i zmodyfikowanych promocji\n");
    EXPECT_TRUE(files().empty());
    EXPECT_EQ(sendStatusOf(1), 0);
}

TEST_P(PromotionActions, WindowsAskBeforeSendingAgainAndNeedAPromotion) {
    addGiftPromotion({.id = 1, .number = "P-1", .sendStatus = Sent, .name = "Trzy za dwa"});
    addGiftPromotion({.id = 2, .number = "P-2"});

    EXPECT_FALSE(fire(SendWithRefGui, std::make_shared<WindowArgs>(std::list<int>{})).first);
    EXPECT_FALSE(fire(SendPredefinedWithRefGui, nullptr).first);
    EXPECT_FALSE(fire(SendPredefinedWithRefGui, std::make_shared<WindowArgs>(std::list<int>{77})).first);
    const std::string missing = "error: Nieznany błąd - brak informacji o promocji do wysłania.";
    EXPECT_EQ(boxes->shown, (Texts{missing, missing, missing}));
    boxes->shown.clear();

    const std::string question =
        "question: Ta promocja była już wysłana na kasy. Czy chcesz ponownie wysłać promocję 'Trzy za dwa' ?";
    EXPECT_TRUE(fire(SendWithRefGui, std::make_shared<WindowArgs>(std::list<int>{1})).first);
    EXPECT_EQ(boxes->shown, Texts{question});
    EXPECT_TRUE(files().empty());

    // Declining the sent one still sends the other one chosen.
    boxes->shown.clear();
    EXPECT_TRUE(fire(SendPredefinedWithRefGui, std::make_shared<WindowArgs>(std::list<int>{1, 2})).first);
    EXPECT_EQ(boxes->shown, (Texts{question, "information: Wysłano promocji: 1."}));
    EXPECT_EQ(promotionsInOnlyFile(), Texts{"2"});

    boxes->otherwise = true;
    std::filesystem::remove(out / files().front());
    EXPECT_TRUE(fire(SendWithRefGui, std::make_shared<WindowArgs>(std::list<int>{1, 2})).first);
    EXPECT_EQ(promotionsInOnlyFile(), Texts{"1"});
}

TEST_P(PromotionActions, WithoutInstalledRegistersTheServiceHasNothingToDo) {
    addGiftPromotion({.id = 1, .number = "P-1"});
    // A choice of registers none of which is installed leaves nowhere to send to either.
    auto nowhere = std::make_shared<SendAllDataActionInvoker>(std::set<int>{103}, nullptr);
    EXPECT_EQ(fire(SendAll, nowhere), std::make_pair(false, std::string("Brak zainstalowanych kas.")));
    exec("update Urzadzenie set bZainstalowane = 0");
    EXPECT_EQ(fire(NewAndModifiedService, nullptr), std::make_pair(true, std::string("Brak zainstalowanych kas.")));
    EXPECT_EQ(fire(SendAll, nullptr), std::make_pair(false, std::string("Brak zainstalowanych kas.")));
    EXPECT_EQ(sendStatusOf(1), 0);
    EXPECT_TRUE(files().empty());
}

TEST_P(PromotionActions, TheSendAllDataActionChoosesRegistersAndWatchesProgress) {
    addGiftPromotion({.id = 1, .number = "P-1", .sendStatus = Sent});
    addGiftPromotion({.id = 2, .number = "P-2"});
    addGiftPromotion({.id = 3, .number = "P-3", .simple = true});
    auto progress = std::make_shared<Progress>();
    auto invoker = std::make_shared<SendAllDataActionInvoker>(std::set<int>{102}, progress);

    EXPECT_EQ(fire(SendAll, invoker), std::make_pair(true, std::string("Wysłano promocji: 2.")));
    EXPECT_EQ(progress->shown, " maximum 3 step 1 step 1 step 1 step 1 finish");
    EXPECT_EQ(promotionsInOnlyFile(), (Texts{"1", "2"}));
    pugi::xml_document document;
    EXPECT_EQ(
        attributeOf(children(readFile(files().front(), document).child("cashRegisters"), "cashRegister"), "number"),
        Texts{"2"});

    // The window action started by send-all-data shows nothing.
    exec("update Promotion set send_status = 2 where id = 1");
    EXPECT_EQ(fire(NewAndModifiedGui, invoker), std::make_pair(true, std::string("Wysłano promocji: 1.")));
    EXPECT_TRUE(boxes->shown.empty());
}

TEST_P(PromotionActions, InsideACallersTransactionTheCallerDecidesAboutTheMarks) {
    addGiftPromotion({.id = 1, .number = "P-1"});
    session().StartTransaction();
    EXPECT_TRUE(fire(SendAll, nullptr).first);
    EXPECT_TRUE(session().InTransaction());
    session().Rollback();
    EXPECT_EQ(sendStatusOf(1), 0);
}

TEST_P(PromotionActions, WithoutPetrolStationSupportItsActionIsNotRun) {
    configure(false);
    addGiftPromotion({.id = 1, .number = "P-1"});
    EXPECT_TRUE(fire(SendAll, nullptr).first);
    EXPECT_TRUE(takeJournal().empty());
}

TEST_P(PromotionActions, RegisteredTogetherInTableOrder) {
    const auto listings = Core::Action::CContainer::instance().listings();
    Texts guids;
    for (const auto& listing : listings) guids.push_back(listing.guid);
    const auto first = std::find(guids.begin(), guids.end(), SendPredefinedWithRefGui);
    ASSERT_NE(first, guids.end());
    EXPECT_EQ(Texts(first, first + 7), (Texts{SendPredefinedWithRefGui, SendWithGuidFire, SendWithRefGui, SendAll,
                                              NewAndModifiedService, NewAndModifiedFire, NewAndModifiedGui}));
}

KORVEL_ON_EACH_ENGINE(PromotionActions);

}  // namespace
}  // namespace PromotionTest
