// The purchase price a promotion refundation is computed from, for the products of one
// transmission. Made once per transmission; asked once per exported PLU record.
//
// Configuration, under "Parametry programu":
//   "Refundacja promocji" / "Włączona" (bool): the mechanism on or off; off, nothing
//     else is read, no statement is prepared and every answer is empty;
//   "Struktura organizacyjna" / "Poziomy hierarchii" / "Centrala główna" / "Towary" /
//     "Indeksy" / "Długość" (int): the index length of a head-office product;
//   "Refundacja promocji" / "Dostawcy" / "Nazwa atrybutu" and "Wymagana wartość"
//     (texts): the company attribute and value that mark a refunded supplier;
//   "Refundacja promocji" / "Warunki zakupu" / "Długość historii" (int, days);
//   "FrontOffice" / "Przetwarzanie sprzedazy" / "Algorytm prognozowania ceny zakupu"
//     (text): handed to the database's price prediction.
//
// A price comes from the first source that knows one:
//   1. purchase conditions from the head office (warzak with lWarZakCentrRef) of a
//      refunded supplier, valid within the history, for a head-office product only
//      (its index is exactly the configured length); the newest, with its start day;
//   2. the product's last supply, with its day;
//   3. the database's prediction (purchasepricegetter.predictProductPurchasePrice),
//      without a day.
// The supplier condition of the first statement is "wz.lodfirmaref in (" followed by
// the refunded suppliers' references in ascending order, separated by ", ", and ")".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "core/Money.h"
#include "db/SessionHolder.h"
#include "external/ExportedPlu.h"

namespace Devices {

class RefundationPriceSources;

class RefundationPurchasePriceGetter {
public:
    // Reads the configuration and, when the mechanism is on, today's date and the
    // refunded suppliers, and prepares the statements. With the mechanism on and no
    // refunded supplier raises Core::PlacedRuntimeError
    // "Dla włączonego mechanizmu refundacji nie oznaczono dostawców refundowanych.".
    explicit RefundationPurchasePriceGetter(TSessionHolder session);
    ~RefundationPurchasePriceGetter();

    // The price for the product, empty when none is known or the mechanism is off.
    // productIndex is the product's index (sArtIndex); salePrice the record's sale
    // price, which the prediction starts from. Every answer, empty ones too, is kept:
    // asking again for a product costs no statement.
    OptPromotionRefundation get(std::int64_t productId, const std::string& productIndex, Core::Price salePrice);

private:
    std::unique_ptr<RefundationPriceSources> sources_;  // null while the mechanism is off
    std::unordered_map<std::int64_t, OptPromotionRefundation> answers_;
};

}  // namespace Devices
