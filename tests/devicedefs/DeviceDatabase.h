// A fresh shop database per test, made the host's default session, with helpers that
// store devices and their parameters. Parameterised by engine.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "db/SessionHolder.h"
#include "support/EngineDatabase.h"

namespace DeviceTests {

using TestSupport::Engine;

// One Urzadzenie row; the marks default to a device in full use.
struct DeviceRow {
    int ref;
    int type;
    int section;
    int number;
    int wlaczone = 1;
    int dostepne = 1;
    int zainstalowane = 1;
    int czynne = 1;
    int transmisja = 1;
    int rozszerzonaTransmisja = 0;
};

class DeviceDatabase : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override;
    void TearDown() override;

    TSessionHolder session() const { return TSessionHolder(true); }
    void addDevice(const DeviceRow& row);
    // An empty optional stores a NULL value.
    void addParam(int deviceRef, int paramId, const std::optional<std::string>& value);

private:
    std::optional<TestSupport::EngineDatabase> database_;
    int nextParamRef_ = 1;
};

}  // namespace DeviceTests
