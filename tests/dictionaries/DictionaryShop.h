// Tests of the dictionary sends, run once on SQLite and once on PostgreSQL: a fresh
// shop database as the host's default session, the device module and the XML
// cash-register communication loaded as the host loads them, transfer files written
// into a temporary output directory and read back as the cash-register server would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "core/Action.h"
#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/TempDir.h"

namespace DictionaryTest {

using TestSupport::Engine;
using Texts = std::vector<std::string>;

// A console "fire": its arguments and what the action writes.
class ConsoleArgs : public Core::IArgVectorGetter,
                    public Core::IOStreamGetter,
                    public Core::IExternalExecutionArgsGetter {
public:
    explicit ConsoleArgs(Texts arguments = {}) : arguments_(std::move(arguments)) {}
    const Texts& getArgVector() const override { return arguments_; }
    std::ostream& getOStream() override { return out; }
    std::ostringstream out;

private:
    Texts arguments_;
};

// One transfer file read back: its kind, target registers and record elements.
struct TransferFile {
    pugi::xml_document document;
    std::string kind;
    std::vector<int> cashRegisters;
    std::vector<pugi::xml_node> records;
    // One attribute of every record, in file order.
    Texts column(const char* attribute) const;
};

struct Device {
    int number;
    int type = 0;  // 0 cash register, 1 scale
    bool enabled = true;
    bool installed = true;
    std::optional<bool> integrated = false;  // empty: no parameter value stored
};

class DictionaryShop : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the configuration; the evening discount-types step is switched on or off.
    void configure(bool eveningDiscounts);

    TSessionHolder& session() { return *session_; }
    void exec(const std::string& sql);
    std::int64_t integerOf(const std::string& sql);
    // The device's reference is 100 + its number.
    void addDevice(const Device& device);
    void addCashRegisters(std::initializer_list<int> numbers);
    void setCountriesChanged(bool changed);
    bool countriesChanged();

    // Invokes the action through the host's container; answers its status.
    Core::ActionStatus fire(const char* guid, java::pointer<Core::IUnknown> args);

    // Names in the output directory, sorted.
    Texts files() const;
    // The only file of the kind's type (e.g. 0x10), read back; fails the test otherwise.
    void readOnly(int type, TransferFile& file) const;

    TestSupport::TempDir root;
    const std::filesystem::path out = root / "wyjście";

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace DictionaryTest
