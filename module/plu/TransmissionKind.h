// Which PLU run is sending: the immediate one, started by the operator or the host
// during the day, or the evening one of the end-of-day processing.
#pragma once

#include <cstdint>

namespace ETransKindName {

enum TransmissionKind : std::uint8_t {
    Evening = 0,
    Immediate = 1,
};

}  // namespace ETransKindName
