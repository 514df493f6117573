// The demo shop's cash-register dictionaries: countries (one inactive), return reasons
// (one deleted), payment forms (the one the payment-form send requires among them) and
// the stored countries changed-flag, set as after an edit of the dictionary.
#pragma once

#include "db/SessionHolder.h"

namespace ShopDb {

void writeCashRegisterDictionaries(const TSessionHolder& session);

}  // namespace ShopDb
