// A shop for the tests of the cash-register sends beyond PLUs, run once on SQLite and
// once on PostgreSQL: a fresh shop database as the host's default session, the device
// module loaded as the host loads it with the XML cash-register communication writing
// into a temporary output directory, an import folder for blocked-voucher files, and
// argument objects as the console and the evening processing hand them over.
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
#include "evening/OdczytWieczornyAction.h"
#include "support/EngineDatabase.h"
#include "support/TempDir.h"

namespace CrShop {

using TestSupport::Engine;
using Texts = std::vector<std::string>;

// What "korvel fire" hands to an action.
class ConsoleArgs : public Core::IArgVectorGetter,
                    public Core::IOStreamGetter,
                    public Core::IExternalExecutionArgsGetter {
public:
    explicit ConsoleArgs(Texts arguments) : arguments_(std::move(arguments)) {}
    const Texts& getArgVector() const override { return arguments_; }
    std::ostream& getOStream() override { return out_; }
    std::string output() const { return out_.str(); }

private:
    Texts arguments_;
    std::ostringstream out_;
};

// What the evening processing hands to a step.
class EveningArgs : public EveningProcessing::IEveningArgs {
public:
    explicit EveningArgs(int day) : day_(day) {}
    double dateFrom() const override { return day_; }
    double dateTo() const override { return day_; }
    void reportStatus(const std::string& text) override { statuses.push_back(text); }
    Texts statuses;

private:
    int day_;
};

struct CashRegister {
    int number;
    bool installed = true;
    bool enabled = true;                     // bWlaczone
    bool working = true;                     // bDostepne and bCzynne
    std::optional<bool> integrated = false;  // bKasaZintegrowana; empty: no ParamUrz row
};

// A transfer file read back: its kind, targets and root.
struct TransferFile {
    pugi::xml_document document;
    pugi::xml_node root;
    std::string kind;
    std::vector<int> cashRegisters;
};

// Configuration beyond the cash-register server and the voucher import folder, as XML
// of keys placed under the "Folder" key, under "Odczyt wieczorny", under "Parametry
// programu".
struct Settings {
    std::string folderKeys = "<key name=\"Usuwanie starych plików\" type=\"bool\" value=\"false\"/>";
    std::string eveningKeys;
    std::string programKeys;
};

class CashRegisterShop : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces the configuration.
    void configure(const Settings& settings = {});

    TSessionHolder& session() { return *session_; }
    void exec(const std::string& sql);
    std::int64_t integerOf(const std::string& sql);
    void addCashRegister(const CashRegister& cashRegister);
    int today() const;

    // Runs the action under the GUID with the argument object.
    java::pointer<Core::IUnknown> invoke(const std::string& guid, java::pointer<Core::IUnknown> args);
    // As invoke, for actions that answer a Core::ActionStatus: its success.
    bool succeeded(const java::pointer<Core::IUnknown>& result) const;
    // A console action run as "fire" runs it: success, what it wrote, its message.
    struct Fired {
        bool ok;
        std::string output;
        std::string message;
    };
    Fired fire(const std::string& guid, const Texts& arguments);

    // Names in the output directory, sorted; with a prefix only those of that kind.
    Texts files(char prefix = 0) const;
    void read(const std::string& name, TransferFile& file) const;
    // The texts of the database text log under a key, in order ("level: text").
    Texts logEntries(const std::string& logKey);
    static Texts takeStatements();

    TestSupport::TempDir root;
    const std::filesystem::path out = root / "wyjście";
    const std::filesystem::path import = root / "bony";

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

}  // namespace CrShop
