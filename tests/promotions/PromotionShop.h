// Tests of the promotion sending, run once on SQLite and once on PostgreSQL: a fresh
// shop database as the host's default session, the device module loaded as the host
// loads it (the XML cash-register communication writing into a temporary output
// directory, the petrol-station module journalling its calls), promotions and their
// elements inserted by hand, a few per test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/Action.h"
#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/TempDir.h"

namespace PromotionTest {

using TestSupport::Engine;
using Texts = std::vector<std::string>;
// Column name -> SQL literal, for the columns an element kind uses.
using Columns = std::map<std::string, std::string>;

// "{00000000-0000-0000-0000-0000000000<id>}", the GUID of the promotion with that id.
std::string guidOf(int id);

struct PromotionRow {
    int id;
    std::string number;
    int sendStatus = 0;
    bool cancelled = false;
    bool simple = false;
    std::string name = "Promocja";
    std::string guid() const { return guidOf(id); }
};

// A console line's arguments and stream, as "korvel fire" hands them.
class ConsoleArgs : public Core::IArgVectorGetter,
                    public Core::IOStreamGetter,
                    public Core::IExternalExecutionArgsGetter {
public:
    explicit ConsoleArgs(Texts arguments) : arguments_(std::move(arguments)) {}
    const std::vector<std::string>& getArgVector() const override { return arguments_; }
    std::ostream& getOStream() override { return out; }
    std::ostringstream out;

private:
    Texts arguments_;
};

class PromotionShop : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    void configure(bool petrolStation);
    TSessionHolder& session() { return *session_; }
    void exec(const std::string& sql);
    std::int64_t integerOf(const std::string& sql);

    void addCashRegister(int number, bool installed = true);
    void addGift(int id, const std::string& name);
    void addPromotion(const PromotionRow& row);
    void addElement(int promotionId, int elementId, const std::string& kind, const Columns& columns = {});
    void addItems(int elementId, const std::vector<int>& products, const Texts& groups = {});
    int sendStatusOf(int promotionId);

    // Fires the action; the ActionStatus it answered.
    std::pair<bool, std::string> fire(const char* guid, const std::shared_ptr<Core::IUnknown>& args);

    Texts files() const;
    // The promotion elements of the only file, and its root.
    pugi::xml_node readFile(const std::string& name, pugi::xml_document& document) const;
    Texts takeJournal() const;

    TestSupport::TempDir root;
    const std::filesystem::path out = root / "wyjście";

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace PromotionTest
