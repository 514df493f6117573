// The promotion library's enumerations that travel beyond it, on the exported
// promotion records. Their numbers are the shop database's and pass through unchanged.
#pragma once

namespace Promotion {

namespace Accomplishment {
// Host contract: how a profit is handed to the customer.
enum Type : int {
    Immediately = 0,     // on the receipt itself
    Voucher = 1,         // as a voucher for a later purchase
    LoyaltyAccount = 2,  // credited to the customer's loyalty account
};
}  // namespace Accomplishment

namespace LoyaltyAccountDiscountForSoldArticleBenefit::GroupDiscountHandlingMode {
// Host contract: how a discount credited for a group of articles is shared out.
enum Type : int {
    EachArticle = 0,
    CheapestArticle = 1,
    MostExpensiveArticle = 2,
};
}  // namespace LoyaltyAccountDiscountForSoldArticleBenefit::GroupDiscountHandlingMode

// Whether a promotion has reached the cash registers since it was last changed.
enum class SendStatus : int {
    New = 0,
    Sent = 1,
    Modified = 2,
};

}  // namespace Promotion
