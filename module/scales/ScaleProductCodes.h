// What the scale sender and its per-batch writer both read from a product record: the
// kind of its PLU code and the named values of its sale unit and PLU state.
#pragma once

#include "plu/IProductDataForFrontOffice.h"

namespace Devices::ScaleProduct {

constexpr int StatusToBeDeleted = 3;  // PLU.byStatus
constexpr int UnitPiece = 1;          // JednostkaMiary.nJm
constexpr int UnitKilogram = 3;

// The code's kind letter (Plu::TPlu); '\0' for text that is not a code, which no
// scale takes.
inline char codeType(const IProductDataForFrontOffice& record) {
    try {
        return record.getPlu().type();
    } catch (const Plu::InvalidCode&) {
        return '\0';
    }
}

}  // namespace Devices::ScaleProduct
