#include "config/Key.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "core/Errors.h"
#include "support/ErrorOf.h"

using Korvel::TKey;

namespace {

template <class T>
std::string logicErrorOf(const TKey& key) {
    return TestSupport::errorOf<Core::PlacedLogicError>([&] { key.GetVal<T>(); });
}

std::vector<std::string> childNames(const TKey& key) {
    std::vector<std::string> names;
    for (const TKey& child : key) names.push_back(child.Name());
    return names;
}

class KeyTest : public ::testing::Test {
protected:
    TKey root = TKey::createRoot();
    TKey server = root.GetKey("Parametry programu").GetKey("FrontOffice").GetKey("Serwer Kasowy");
};

TEST_F(KeyTest, PathJoinsNamesBelowTheRootWithBackslashes) {
    EXPECT_EQ(root.rep()->strPath(), "");
    EXPECT_EQ(server.rep()->strPath(), "Parametry programu\\FrontOffice\\Serwer Kasowy");
    EXPECT_EQ(server.Name(), "Serwer Kasowy");
    EXPECT_EQ(server.GetName(), AnsiString("Serwer Kasowy"));
}

TEST_F(KeyTest, ReadOfMissingKeyNamesTheRequestedTypeAndFullPath) {
    TKey missing = server.GetKey("Moduł transmisji do kasy");
    const std::string path = "Parametry programu\\FrontOffice\\Serwer Kasowy\\Moduł transmisji do kasy";
    EXPECT_EQ(logicErrorOf<bool>(missing), "próba pobrania wartości typu (bool) z pustego klucza\n" + path);
    EXPECT_EQ(logicErrorOf<int>(missing), "próba pobrania wartości typu (int) z pustego klucza\n" + path);
    EXPECT_EQ(logicErrorOf<std::string>(missing),
              "próba pobrania wartości typu (std::string) z pustego klucza\n" + path);
    EXPECT_EQ(logicErrorOf<AnsiString>(missing), "próba pobrania wartości typu (AnsiString) z pustego klucza\n" + path);
}

TEST_F(KeyTest, ReadOfAnotherTypeNamesStoredAndRequestedTypes) {
    const std::string path = "Parametry programu\\FrontOffice\\Serwer Kasowy\\";
    TKey size = server.GetKey("Wielkość paczki").set_val(500);
    TKey enabled = server.GetKey("Włączone").set_val(true);
    TKey directory = server.GetKey("Katalog").set_val<std::string>("/tmp");
    TKey module = server.GetKey("Moduł").set_val<AnsiString>("xml");

    EXPECT_EQ(logicErrorOf<bool>(size),
              "nie można rzutować wartości klucza\n" + path + "Wielkość paczki\ntypu (int) na (bool)");
    EXPECT_EQ(logicErrorOf<std::string>(enabled),
              "nie można rzutować wartości klucza\n" + path + "Włączone\ntypu (bool) na (std::string)");
    EXPECT_EQ(logicErrorOf<int>(directory),
              "nie można rzutować wartości klucza\n" + path + "Katalog\ntypu (std::string) na (int)");
    EXPECT_EQ(logicErrorOf<bool>(module),
              "nie można rzutować wartości klucza\n" + path + "Moduł\ntypu (AnsiString) na (bool)");
}

TEST_F(KeyTest, TextStoredAsEitherTextTypeReadsAsBothAndKeepsItsTypeName) {
    TKey a = root.GetKey("a").set_val<std::string>("zażółć");
    TKey b = root.GetKey("b").set_val<AnsiString>("gęślą");
    EXPECT_EQ(a.GetVal<AnsiString>(), AnsiString("zażółć"));
    EXPECT_EQ(b.GetVal<std::string>(), "gęślą");
    EXPECT_EQ(a.rep()->Value().typeName(), "std::string");
    EXPECT_EQ(b.rep()->Value().typeName(), "AnsiString");
}

TEST_F(KeyTest, SetValReplacesValueOfAnyTypeAndIsSeenThroughEveryHandle) {
    TKey first = server.GetKey("x").set_val(7);
    TKey second = server.GetKey("x");
    EXPECT_EQ(second.GetVal<int>(), 7);
    second.set_val(false);
    EXPECT_FALSE(first.GetVal<bool>());
    EXPECT_EQ(first.rep()->Value().typeName(), "bool");
}

TEST_F(KeyTest, NullHandleRaisesNullPointerNamingTheNodeType) {
    TKey none;
    EXPECT_FALSE(none);
    for (auto read : {+[](const TKey& k) { k.GetVal<int>(); }, +[](const TKey& k) { k.GetKey("a"); },
                      +[](const TKey& k) { k.begin(); }}) {
        EXPECT_EQ(TestSupport::errorOf<java::null_pointer>([&] { read(none); }), "refering to null Korvel::TKey::TRep");
    }
}

TEST_F(KeyTest, PlaceholderStaysInvisibleUntilItOrADescendantGetsAValue) {
    TKey labels = root.GetKey("Parametry sklepu").GetKey("Towary").GetKey("Etykiety elektroniczne");
    EXPECT_FALSE(root.FindKey("Parametry sklepu"));
    EXPECT_EQ(root.size(), 0u);  // "Parametry programu" above is a placeholder too
    EXPECT_TRUE(childNames(root).empty());

    labels.GetKey("Włączone").set_val(true);
    ASSERT_TRUE(root.FindKey("Parametry sklepu"));
    EXPECT_TRUE(root.FindKey("Parametry sklepu")->FindKey("Towary")->FindKey("Etykiety elektroniczne"));
    EXPECT_EQ(childNames(root), std::vector<std::string>{"Parametry sklepu"});
}

TEST_F(KeyTest, ChildrenKeepTheOrderTheyWereMadeIn) {
    for (const char* name : {"Żółw", "Ala", "Mama", "Bez wartości", "Ćma"}) root.CreateKey(name);
    root.GetKey("Mama").set_val(1);
    EXPECT_EQ(childNames(root), (std::vector<std::string>{"Żółw", "Ala", "Mama", "Bez wartości", "Ćma"}));
    EXPECT_EQ(root.size(), 5u);
    EXPECT_EQ(root.begin()->Name(), "Żółw");
    EXPECT_EQ(root.CreateKey("Ala").rep(), root.GetKey("Ala").rep());  // no second "Ala"
}

TEST_F(KeyTest, RequiredValueNamesTheMissingChildAndTheParentPath) {
    TKey labels = root.GetKey("Parametry sklepu").CreateKey("Etykiety elektroniczne");
    EXPECT_EQ(TestSupport::errorOf<Core::PlacedLogicError>([&] { labels.GetRequiredVal<bool>("Włączone"); }),
              "brak wymaganego klucza (Włączone) w kluczu\nParametry sklepu\\Etykiety elektroniczne");
    labels.GetKey("Włączone");  // a placeholder does not satisfy the requirement
    EXPECT_THROW(labels.GetRequiredVal<bool>("Włączone"), Core::PlacedLogicError);
    labels.GetKey("Włączone").set_val(true);
    EXPECT_TRUE(labels.GetRequiredVal<bool>("Włączone"));
    labels.GetKey("Folder").set_val(3);
    EXPECT_EQ(
        logicErrorOf<std::string>(labels.GetKey("Folder")),
        "nie można rzutować wartości klucza\nParametry sklepu\\Etykiety elektroniczne\\Folder\ntypu (int) na (std::string)");
    EXPECT_THROW(labels.GetRequiredVal<std::string>("Folder"), Core::PlacedLogicError);
}

// Under ASan/TSan a missing lock shows up here: readers, writers and walkers of one node.
TEST_F(KeyTest, ConcurrentReadersWritersAndWalkersOfOneNode) {
    TKey node = server.GetKey("Wielkość paczki").set_val(1);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 2000; ++i) {
                if (t == 0)
                    node.set_val(i);
                else if (t == 1)
                    server.GetKey("dziecko " + std::to_string(i % 50)).set_val(i);
                else {
                    EXPECT_GE(node.GetVal<int>(), 0);
                    EXPECT_LE(server.size(), 51u);
                }
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(node.GetVal<int>(), 1999);
    EXPECT_EQ(server.size(), 51u);
}

}  // namespace
