// A shop database with the device module and the XML cash-register communication
// loaded as the host loads them, transfer files going to a temporary directory.
#pragma once

#include <string>
#include <vector>

#include "PluDatabase.h"

namespace PluTest {

class TransmissionDatabaseTest : public PluDatabaseTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The PLU codes in the PLU transfer files written so far, in file order.
    std::vector<std::string> sentPluCodes() const;

    static constexpr int PackageSize = 1;
    TestSupport::TempDir output_;
};

}  // namespace PluTest
