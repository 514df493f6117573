#include "scales/ScaleXmlSenderConfig.h"

#include <algorithm>
#include <boost/tokenizer.hpp>

#include "frame/Configuration.h"

namespace Devices {

namespace {

constexpr const char* PrefixKey = "Wysyłaj tylko PLU wagowe pasujące do prefiksu";
constexpr const char* CompositionsKey = "Wysyłaj składy surowcowe dla grup";

bool switchOn(const char* name) {
    return Kolvenia::Config::key({"Parametry programu", "FrontOffice", "Serwer Wagowy", name}).GetVal<bool>();
}

std::optional<Korvel::TKey> serverKey(const char* name) {
    return Kolvenia::Config::findKey({"Parametry programu", "FrontOffice", "Serwer Wagowy", name});
}

}  // namespace

DefaultScaleXmlSenderConfig::DefaultScaleXmlSenderConfig() {
    if (auto prefixes = serverKey(PrefixKey))
        for (const Korvel::TKey& prefix : *prefixes) prefixes_.push_back(prefix.Name());
    if (auto compositions = serverKey(CompositionsKey))
        if (auto list = compositions->FindKey("Lista grup")) groups_ = splitGroupList(list->GetVal<std::string>());
}

std::set<std::string> DefaultScaleXmlSenderConfig::splitGroupList(const std::string& text) {
    const boost::char_separator<char> separators(",;\n\t ");
    const boost::tokenizer<boost::char_separator<char>> pieces(text, separators);
    return {pieces.begin(), pieces.end()};
}

bool DefaultScaleXmlSenderConfig::sendWeightCodes() const { return switchOn("Wysyłaj kody wagowe (W)"); }

bool DefaultScaleXmlSenderConfig::sendValueCodes() const { return switchOn("Wysyłaj kody wartościowe (C)"); }

bool DefaultScaleXmlSenderConfig::sendOnlyWeightPlusMatchingPrefix() const { return switchOn(PrefixKey); }

bool DefaultScaleXmlSenderConfig::pluMatchesPrefix(const std::string& plu) const {
    return std::any_of(prefixes_.begin(), prefixes_.end(),
                       [&](const std::string& prefix) { return plu.starts_with(prefix); });
}

bool DefaultScaleXmlSenderConfig::sendCompositionsOnlyForListedGroups() const { return switchOn(CompositionsKey); }

}  // namespace Devices
