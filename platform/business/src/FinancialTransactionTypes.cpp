#include "business/FinancialTransactionTypes.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "db/Query.h"

namespace Business {

namespace {
const char* const kTypesSql = "select id, guid, definition from FinancialTransactionType";
}  // namespace

FinancialTransactionTypes::FinancialTransactionTypes(TSessionHolder session) : session_(std::move(session)) {}

const FinancialTransactionType& FinancialTransactionTypes::find(int id) {
    const auto& all = types();
    const auto found = all.find(id);
    if (found == all.end())
        throw Core::PlacedRuntimeError((boost::format("Nieznany typ transakcji finansowej: %1%.") % id).str(),
                                       CORE_SRC_INFO("FinancialTransactionTypes::find"));
    return found->second;
}

const std::map<int, FinancialTransactionType>& FinancialTransactionTypes::types() {
    if (!types_) {
        std::map<int, FinancialTransactionType> read;
        for (DBKernel::Sql::OpenedQuery row(kTypesSql, session_); row; row.next()) {
            const int id = row["id"].asInt();
            read.emplace(id, FinancialTransactionType{id, row["guid"].asString(), row["definition"].asString()});
        }
        types_ = std::move(read);
    }
    return *types_;
}

}  // namespace Business
