// The directory price checker in a PLU transmission: its configuration and its work for
// one package of rows (one PLU file per package).
//
//   if (auto checker = DirectoryPriceChecker::configured(session, deletionPredicate))
//       per package: DirectoryPriceCheckerPackage package(*checker); package.send(row, price); ... package.end();
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/Money.h"
#include "db/DataSet.h"
#include "db/Query.h"
#include "external/PLUSenderArgs.h"
#include "pricechecker/MeasureUnitService.h"
#include "pricechecker/PriceCheckerSender.h"

namespace Devices::PriceChecker {

// "Parametry programu" -> "FrontOffice" -> "PriceChecker": "Włączony" (a missing key
// means off) and "Katalog" (environment references expanded).
struct DirectoryPriceCheckerSettings {
    bool enabled = false;
    std::string directory;

    static DirectoryPriceCheckerSettings read();
};

// What the packages of one transmission share.
struct DirectoryPriceChecker {
    TSessionHolder session;
    std::string directory;
    Devices::IPluDeletionPredicatePtr deletionPredicate;
    std::shared_ptr<MeasureUnitService> units;

    // Empty when the price checker is switched off.
    static std::optional<DirectoryPriceChecker> configured(TSessionHolder session,
                                                           Devices::IPluDeletionPredicatePtr deletionPredicate);
};

// One package's PLU file. Made at the package's start: raises "Błąd katalogu
// PriceCheckera!" when the directory cannot be entered. A package that is not ended
// (it failed), and one without records, leaves no file.
class DirectoryPriceCheckerPackage {
public:
    explicit DirectoryPriceCheckerPackage(const DirectoryPriceChecker& checker);

    // A deletion (by the deletion predicate) or an update of the row's code. A row whose
    // own code cannot be parsed is sent under the product's first new or ordinary code,
    // unblocked ones first; without one, and for a deletion, it is left out.
    void send(Db::TDataSet& row, Core::Price price);
    void end();

    const std::string& filePath() const { return sender_.filePath(); }

private:
    std::optional<std::string> substituteCode(int productId);

    const DirectoryPriceChecker& checker_;
    TPriceCheckerSender sender_;
    std::optional<DBKernel::Sql::PreparedQuery> productCodes_;
    int records_ = 0;
};

}  // namespace Devices::PriceChecker
