#include "business/PackagePluCodes.h"

namespace Business {

namespace {
const char* const kPackageCodeSql =
    "select sPLU from PLU where lTowarRef = :product_id and byStatus in (1, 2) and nvl(byBlokada, 0) <> 1 "
    "order by lPluRef";
}  // namespace

PackagePluCodes::PackagePluCodes(TSessionHolder session) : codes_(kPackageCodeSql, std::move(session)) {}

const std::optional<std::string>& PackagePluCodes::find(std::int64_t packageProductId) {
    if (const auto known = byPackage_.find(packageProductId); known != byPackage_.end()) return known->second;
    codes_.Params["product_id"] = packageProductId;
    codes_.execute();
    std::optional<std::string> code;
    if (codes_) code = codes_["sPLU"].asString();
    return byPackage_.emplace(packageProductId, std::move(code)).first->second;
}

}  // namespace Business
