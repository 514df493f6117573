// Where the need to send a PLU code came from. A code's byFlaga is the sum of its
// distinct origins.
#pragma once

namespace PluTransmission {

enum PluOrigin : int {
    ProductSendFlag = 1,      // an ordinary PLU whose product has a send flag
    PluState = 2,             // a new PLU, one to be deleted, or a blocked one
    UnsentSaleCondition = 4,  // a sale-price condition valid on the day and not yet sent
};

}  // namespace PluTransmission
