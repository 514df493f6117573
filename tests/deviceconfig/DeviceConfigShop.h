// A shop for the device configuration window's behaviour, on each engine: cash
// registers, scales in two sections and a scanner with a few parameters, the
// cash-register server and the scale server in temporary directories, and the host's
// message boxes answering questions as the test says and keeping what they showed.
#pragma once

#include "CashRegisterShop.h"
#include "dialogs/deviceconfig/DeviceConfiguration.h"
#include "forms/FormKernel.h"
#include "support/RecordedBoxes.h"
#include "support/ShopRows.h"

namespace DeviceConfigTest {

using Kolvenia::DeviceConfig::TDeviceConfiguration;
using Kolvenia::DeviceConfig::TSelection;

class DeviceConfigShop : public CrShop::CashRegisterShop {
protected:
    // Device references: cash registers 101, 102 (numbers 1, 2); scales 111, 112 in
    // section 1 and 121 in section 2 (numbers 1, 2, 1); scanner 131.
    static constexpr int Register1 = 101, Register2 = 102, Scale11 = 111, Scale12 = 112, Scale21 = 121;

    void SetUp() override;
    void TearDown() override;

    void addDevice(int ref, int type, int section, int number);
    void addParameter(int rowRef, int deviceRef, int paramId, const std::string& value);
    // sWartoscParam of a device, "-" when it has no row.
    std::string parameter(int deviceRef, int paramId);
    std::string textOf(const std::string& sql) { return TestSupport::textOf(session(), sql); }
    std::size_t nodeOf(const TDeviceConfiguration& dialog, const TSelection& selection) const;
    bool select(TDeviceConfiguration& dialog, const TSelection& selection);

    static TSelection device(int type, int section, int number, int ref) { return {type, section, number, ref}; }
    static TSelection group(int type, int section = -1) { return {type, section, -1, -1}; }

    TestSupport::TempDir scales;
    // What the operator sees and answers: "yes" once the test's answers run out.
    std::shared_ptr<TestSupport::RecordedBoxes> boxes = std::make_shared<TestSupport::RecordedBoxes>();
};

}  // namespace DeviceConfigTest
