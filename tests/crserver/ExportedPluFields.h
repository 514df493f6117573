// Every field of the exported PLU record, each with two distinct non-default values,
// so that tests can set all fields and change one at a time.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "external/ExportedPlu.h"

namespace CrServerTest {

struct PluField {
    std::string name;
    // Sets the field through its setter to its first (false) or second (true) value.
    std::function<void(Kolvenia::ExportedPlu&, bool second)> set;
    // Whether the field's getter gives its first (false) or second (true) value.
    std::function<bool(const Kolvenia::ExportedPlu&, bool second)> holds;
};

const std::vector<PluField>& pluFields();

// A record with every field at its first value.
Kolvenia::ExportedPlu fullyFilledPlu();

}  // namespace CrServerTest

namespace Kolvenia {
// Names the record in test failures instead of dumping its bytes.
inline void PrintTo(const ExportedPlu& plu, std::ostream* out) { *out << "ExportedPlu " << plu.getPluCode(); }
}  // namespace Kolvenia
