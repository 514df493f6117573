#include "business/CompanyDirectory.h"

#include "core/Errors.h"
#include "db/Query.h"

namespace Business {

namespace {

const char* const kByAttributeSql =
    "select a.lFirmaRef from FirmaAtrybut a where a.sNazwa = :attribute and a.sWartosc = :value";

// Of two companies wrongly both marked as the shop's own, the older one wins.
const char* const kOwnCompanySql =
    "select f.lFirmaRef, f.sNazwa, f.SplittableVatSaleOnSiteAllowed from Firma f where f.bFirmaWlasna = 1 "
    "order by f.lFirmaRef";

}  // namespace

CompanyDirectory::CompanyDirectory(TSessionHolder session) : session_(std::move(session)) {}

std::set<std::int64_t> CompanyDirectory::findByAttribute(const std::string& attribute, const std::string& value) const {
    DBKernel::Sql::PreparedQuery companies(kByAttributeSql, session_);
    companies.Params["attribute"] = attribute;
    companies.Params["value"] = value;
    companies.execute();
    std::set<std::int64_t> references;
    for (; companies; companies.next()) references.insert(companies["lFirmaRef"].asInt64());
    return references;
}

Company CompanyDirectory::ownCompany() const {
    DBKernel::Sql::OpenedQuery own(kOwnCompanySql, session_);
    if (!own)
        throw Core::PlacedRuntimeError("W kartotece firm nie oznaczono firmy własnej.",
                                       CORE_SRC_INFO("CompanyDirectory::ownCompany"));
    return Company(own["lFirmaRef"].asInt64(), own["sNazwa"].asString(),
                   own["SplittableVatSaleOnSiteAllowed"].asInt() != 0);
}

}  // namespace Business
