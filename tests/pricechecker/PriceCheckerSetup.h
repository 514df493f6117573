// What the price-checker tests share: the configuration they run under (both price
// checkers, their directories and limits) and a fresh shop database per engine.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"
#include "support/FilesIn.h"
#include "support/TempDir.h"

namespace PriceCheckerTest {

struct Settings {
    bool directoryChecker = true;
    bool elzab = true;
    std::optional<int> maximumNumber = 1000;  // "Maksymalna liczba PLU"; absent: the key is missing
    int recordsPerFile = 100;                 // "Maksymalna ilość PLU w pliku"
    std::vector<std::string> checkerIds{"1", "2"};
    std::optional<int> packageSize;
};

// The directories the configuration names, under one temporary directory: "pc" for the
// directory price checker, "tmp" and "elzab" for the Elzab RS temporary and exchange
// folders, "kasy" for the cash-register transfer files. All exist.
struct Directories {
    TestSupport::TempDir root;
    std::filesystem::path directoryChecker = root / "pc";
    std::filesystem::path temporary = root / "tmp";
    std::filesystem::path exchange = root / "elzab";
    std::filesystem::path cashRegisters = root / "kasy";

    Directories();
};

std::string configuration(const Settings& settings, const Directories& directories);
// Loads it as the host's configuration.
void configure(const Settings& settings, const Directories& directories);

// An Elzab RS file name with its start time ("yyyy_mm_dd__hh_nn_ss_zzz") replaced.
std::string withoutStartTime(const std::string& name, const std::string& replacement = "");

using TestSupport::filesIn;

// A fresh shop schema on one engine, as the host's default session.
class ShopDatabase : public ::testing::TestWithParam<TestSupport::Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    TSessionHolder& session() { return *session_; }
    void exec(const std::string& sql);
    std::vector<std::string> rows(const std::string& sql);

    Directories directories;

private:
    std::optional<TestSupport::EngineDatabase> database_;
    std::optional<TSessionHolder> session_;
};

// As above, with the device module loaded as the host loads it and one cash register.
class ModuleDatabase : public ShopDatabase {
protected:
    void SetUp() override;
    void TearDown() override;

    // A product with its sale unit (nJmSprz) and one PLU code.
    void product(int id, const std::string& name, double price, int unit, int pluRef, const std::string& code,
                 int status);
};

}  // namespace PriceCheckerTest
