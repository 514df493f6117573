#include "frame/params/DeviceParams.h"

#include <boost/format.hpp>

#include "core/Errors.h"
#include "db/Query.h"

namespace Kolvenia {

namespace {

bool isBlank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

}  // namespace

template <>
bool getParam<bool>(const TUrzadzenie& device, int id) {
    const std::string sql = (boost::format("select sWartoscParam\n"
                                           "from ParamUrz\n"
                                           "where lUrzadzenieRef = %1%\n"
                                           "  and nParamId = %2%") %
                             device.lUrzadzenieRef % id)
                                .str();
    DBKernel::Sql::OpenedQuery q(sql, TSessionHolder(true));
    if (!q || q["sWartoscParam"].isNull())
        throw Core::PlacedRuntimeError(
            (boost::format("Brak wartości parametru %1% dla urządzenia %2%") % id % device.lUrzadzenieRef).str(),
            CORE_SRC_INFO("Kolvenia::getParam<bool>"));
    return CParametryUrzadzen::getParamImpl<bool>({{id, q["sWartoscParam"].asString()}}, id);
}

template <>
bool getParam<bool>(const TUrzadzenie& device, const std::string& name) {
    return getParam<bool>(device, CParametryUrzadzen().getParamId(name));
}

template <>
bool getParam<bool>(const CParametryUrzadzen::TParams& params, int id) {
    return CParametryUrzadzen::getParamImpl<bool>(params, id);
}

template <>
int getParam<int>(const CParametryUrzadzen::TParams& params, int id) {
    return CParametryUrzadzen::getParamImpl<int>(params, id);
}

template <>
std::optional<int> getParam<std::optional<int>>(const CParametryUrzadzen::TParams& params, int id) {
    const auto found = params.find(id);
    if (found == params.end() || isBlank(found->second)) return std::nullopt;
    return CParametryUrzadzen::getParamImpl<int>(params, id);
}

std::optional<std::string> queryParamValue(TSessionHolder session, int deviceRef, int paramId) {
    DBKernel::Sql::PreparedQuery q(
        "\n select pu.swartoscparam parameterValue"
        "\n from paramurz pu"
        "\n where pu.lurzadzenieref = :deviceId"
        "\n and pu.nparamid = :parameterId",
        std::move(session));
    q.Params["deviceId"] = deviceRef;
    q.Params["parameterId"] = paramId;
    q.execute();
    if (!q || q["parameterValue"].isNull()) return std::nullopt;
    return q["parameterValue"].asString();
}

std::optional<int> queryIntParam(TSessionHolder session, int deviceRef, int paramId) {
    const auto text = queryParamValue(std::move(session), deviceRef, paramId);
    if (!text) return std::nullopt;
    return getParam<std::optional<int>>({{paramId, *text}}, paramId);
}

}  // namespace Kolvenia
