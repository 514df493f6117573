#include "pricechecker/PriceCheckerPluNumberGetter.h"

#include <algorithm>

#include "db/Query.h"
#include "frame/Configuration.h"
#include "tools/PluStatus.h"

namespace Devices::PriceChecker {

namespace {

// Host contract: the statements of the numbering, as the shop database expects them.
constexpr const char* LoadSql = "select plu_id, id_on_device from price_checker_plu";
constexpr const char* FreeNumberSql =
    "select min(nliczba) firstAvailableId from sekwencja s where not exists (select 1 from price_checker_plu pcp where "
    "s.nliczba = pcp.id_on_device)";
constexpr const char* MergeSql =
    "\n merge into price_checker_plu pcp \n using\n (\n \tselect\n \t\t:plu_id plu_id\n \t\t, :id_on_device id_on_device\n"
    " \tfrom dual\n ) dataset\n on (pcp.id_on_device = dataset.id_on_device)\n when matched then\n \tupdate set\n"
    " \t\tpcp.plu_id = dataset.plu_id\n when not matched then\n \tinsert\n \t(\n \t\tpcp.plu_id\n \t\t, pcp.id_on_device\n"
    " \t)\n \tvalues\n \t(\n \t\tdataset.plu_id\n \t\t, dataset.id_on_device\n \t)";

std::string removedPluNumberSql() {
    return "\n select min(pcp.id_on_device) id\n from plu p, price_checker_plu pcp\n where p.lPluRef = pcp.plu_id\n \tand "
           "p.bystatus in (" +
           std::to_string(Plu::Status::ToDelete) + ", " + std::to_string(Plu::Status::Deleted) + ")";
}

}  // namespace

PriceCheckerPluNumberGetter::PriceCheckerPluNumberGetter(TSessionHolder session)
    : session_(std::move(session)),
      maximum_(
          Kolvenia::Config::key({"Parametry programu", "FrontOffice", "PriceChecker Elzab RS", "Maksymalna liczba PLU"})
              .GetVal<int>()) {
    load();
}

void PriceCheckerPluNumberGetter::load() {
    for (DBKernel::Sql::OpenedQuery rows(LoadSql, session_); rows; rows.next()) {
        const std::int32_t number = rows["id_on_device"].asInt();
        cache_[rows["plu_id"].asInt()] = number;
        lastNumber_ = std::max(lastNumber_, number);
    }
}

std::optional<std::int32_t> PriceCheckerPluNumberGetter::getNumber(std::int32_t pluRef) {
    if (const auto known = cache_.find(pluRef); known != cache_.end()) return known->second;
    const std::optional<std::int32_t> number = allocate();
    if (number) store(pluRef, *number);
    return number;
}

std::optional<std::int32_t> PriceCheckerPluNumberGetter::allocate() {
    ++lastNumber_;
    if (lastNumber_ <= maximum_) return lastNumber_;
    if (const auto free = firstFreeNumber()) return free;
    return takeNumberOfRemovedPlu();
}

// The smallest number no PLU holds. With none left min() is NULL: no free number.
std::optional<std::int32_t> PriceCheckerPluNumberGetter::firstFreeNumber() {
    DBKernel::Sql::OpenedQuery free(FreeNumberSql, session_);
    const auto column = free["firstAvailableId"];
    if (column.isNull() || column.asInt() > maximum_) return std::nullopt;
    return column.asInt();
}

std::optional<std::int32_t> PriceCheckerPluNumberGetter::takeNumberOfRemovedPlu() {
    DBKernel::Sql::OpenedQuery removed(removedPluNumberSql(), session_);
    if (removed["id"].isNull()) return std::nullopt;
    const std::int32_t number = removed["id"].asInt();
    const auto holder =
        std::find_if(cache_.begin(), cache_.end(), [&](const auto& entry) { return entry.second == number; });
    if (holder != cache_.end()) cache_.erase(holder);
    return number;
}

void PriceCheckerPluNumberGetter::store(std::int32_t pluRef, std::int32_t number) {
    if (!merge_) merge_ = std::make_unique<DBKernel::Sql::Command>(MergeSql, session_);
    merge_->Params["plu_id"] = pluRef;
    merge_->Params["id_on_device"] = number;
    merge_->execute();
    cache_[pluRef] = number;
}

}  // namespace Devices::PriceChecker
