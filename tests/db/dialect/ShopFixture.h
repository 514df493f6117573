// A small shop in the module's tables: the rows every proof test starts from. Written
// in the SQL both engines accept.
#pragma once

namespace DialectProof {

// Products 1 Chleb (send flag, brand, ingredients, two units), 2 Mleko (new PLU, two
// unsent conditions for the day), 3 Ser (no price), 4 Woda (to be deleted, price 0),
// 5 Kawa (ordinary, only an expired and a sent condition), 6 Sok (blocked PLU); their
// PLUs are 11, 21, ..., 61 with codes "1001", "1002", ..., "1006". Day 45000.
extern const char* const kShopSchema;
extern const char* const kShopRows;

}  // namespace DialectProof
