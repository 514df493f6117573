// Every field of the exported PLU record, each with a value of its own that is not the
// default, so that a field lost or mixed up on its way through a file shows.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "external/ExportedPlu.h"

namespace CrServerTest {

struct PluField {
    std::string name;
    // Sets the field through its setter to its value.
    std::function<void(Kolvenia::ExportedPlu&)> set;
    // Whether the field's getter gives its value.
    std::function<bool(const Kolvenia::ExportedPlu&)> holds;
};

const std::vector<PluField>& pluFields();

// A record with every field at its value.
Kolvenia::ExportedPlu fullyFilledPlu();

}  // namespace CrServerTest

namespace Kolvenia {
// Names the record in test failures instead of dumping its bytes.
inline void PrintTo(const ExportedPlu& plu, std::ostream* out) { *out << "ExportedPlu " << plu.getPluCode(); }
}  // namespace Kolvenia
