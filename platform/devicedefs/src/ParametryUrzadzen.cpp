#include "devicedefs/ParametryUrzadzen.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

#include <boost/format.hpp>

#include "db/Query.h"

namespace Kolvenia {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool isAnyOf(std::string_view text, const std::array<std::string_view, 4>& spellings) {
    return std::ranges::any_of(spellings, [text](std::string_view s) { return equalsIgnoringCase(text, s); });
}

const std::string& storedText(const CParametryUrzadzen::TParams& params, int id, const char* caller) {
    const auto found = params.find(id);
    if (found == params.end())
        throw Core::PlacedRuntimeError((boost::format("Brak wartości parametru %1%") % id).str(),
                                       CORE_SRC_INFO(caller));
    return found->second;
}

[[noreturn]] void raiseConversionError(int id, const std::string& text, const char* expected, const char* caller) {
    throw CParametryUrzadzen::EConversionError(
        (boost::format("Wartość \"%2%\" parametru %1% nie jest %3%.") % id % text % expected).str(),
        CORE_SRC_INFO(caller));
}

}  // namespace

CParametryUrzadzen::CParametryUrzadzen(TSessionHolder session) : session_(std::move(session)) {
    for (DBKernel::Sql::OpenedQuery q("select nParamId, sNazwa, nTyp from DefParamUrz", session_); q; q.next()) {
        const int type = q["nTyp"].asInt();
        if (type < ptBool || type > ptText)
            throw Core::PlacedRuntimeError(
                (boost::format("Nieznany typ %2% parametru urządzenia %1%.") % q["sNazwa"].asString() % type).str(),
                CORE_SRC_INFO("CParametryUrzadzen::CParametryUrzadzen"));
        definitions_.emplace(q["nParamId"].asInt(), Definition{q["sNazwa"].asString(), static_cast<TParamType>(type)});
    }
}

int CParametryUrzadzen::getParamId(const std::string& name) const {
    const auto found =
        std::ranges::find_if(definitions_, [&name](const auto& entry) { return entry.second.name == name; });
    if (found == definitions_.end())
        throw Core::PlacedRuntimeError((boost::format("Nieznany parametr urządzenia \"%1%\".") % name).str(),
                                       CORE_SRC_INFO("CParametryUrzadzen::getParamId"));
    return found->first;
}

CParametryUrzadzen::TParamType CParametryUrzadzen::getParamType(int id) const {
    const auto found = definitions_.find(id);
    if (found == definitions_.end())
        throw Core::PlacedRuntimeError(
            (boost::format("Nieznany parametr urządzenia o identyfikatorze %1%.") % id).str(),
            CORE_SRC_INFO("CParametryUrzadzen::getParamType"));
    return found->second.type;
}

bool CParametryUrzadzen::isParamCreated(int id) const { return definitions_.contains(id); }

CParametryUrzadzen::TParams CParametryUrzadzen::getParams(const TUrzadzenie& device) const {
    DBKernel::Sql::PreparedQuery q(
        "select nParamId, sWartoscParam from ParamUrz where lUrzadzenieRef = :lUrzadzenieRef", session_);
    q.Params["lUrzadzenieRef"] = device.lUrzadzenieRef;
    q.execute();
    TParams params;
    for (; q; q.next()) {
        if (!q["sWartoscParam"].isNull()) params.emplace(q["nParamId"].asInt(), q["sWartoscParam"].asString());
    }
    return params;
}

template <>
bool CParametryUrzadzen::getParamImpl<bool>(const TParams& params, int id) {
    const std::string& text = storedText(params, id, "CParametryUrzadzen::getParamImpl<bool>");
    const std::string_view value = trimmed(text);
    if (isAnyOf(value, {"1", "T", "Tak", "true"})) return true;
    if (isAnyOf(value, {"0", "N", "Nie", "false"})) return false;
    raiseConversionError(id, text, "wartością logiczną", "CParametryUrzadzen::getParamImpl<bool>");
}

template <>
int CParametryUrzadzen::getParamImpl<int>(const TParams& params, int id) {
    const std::string& text = storedText(params, id, "CParametryUrzadzen::getParamImpl<int>");
    std::string_view value = trimmed(text);
    if (value.size() > 1 && value[0] == '+' && value[1] != '-') value.remove_prefix(1);  // from_chars takes only '-'
    int result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        raiseConversionError(id, text, "liczbą całkowitą", "CParametryUrzadzen::getParamImpl<int>");
    return result;
}

}  // namespace Kolvenia
