#include "tools/Plu.h"

#include <algorithm>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/format.hpp>
#include <cctype>
#include <memory>
#include <mutex>

#include "config/Setup.h"
#include "core/Singleton.h"

namespace Plu {

namespace {

struct RulesHolder {
    std::mutex mutex;
    std::shared_ptr<const CodeRules> rules;
};
RulesHolder& holder() {
    static RulesHolder h;
    return h;
}

std::vector<std::string> prefixList(const Korvel::TKey& section, const char* name, std::vector<std::string> fallback) {
    auto key = section.FindKey(name);
    if (!key) return fallback;
    std::vector<std::string> items;
    const std::string text = key->GetVal<std::string>();
    boost::algorithm::split(items, text, [](char c) { return c == ','; });
    for (auto& item : items) boost::algorithm::trim(item);
    items.erase(std::remove(items.begin(), items.end(), std::string()), items.end());
    return items;
}

CodeRules rulesFromConfiguration() {
    CodeRules rules;
    auto root = Core::SingletonImplHolder<Core::CSetup>::instance().getRootKey();
    auto program = root.FindKey("Parametry programu");
    auto section = program ? program->FindKey("Kody PLU") : std::nullopt;
    if (!section) return rules;
    rules.weightPrefixes = prefixList(*section, "Prefiksy kodów wagowych", rules.weightPrefixes);
    rules.valuePrefixes = prefixList(*section, "Prefiksy kodów wartościowych", rules.valuePrefixes);
    rules.pricePrefixes = prefixList(*section, "Prefiksy kodów z ceną", rules.pricePrefixes);
    rules.inStorePrefixes = prefixList(*section, "Prefiksy kodów wewnętrznych", rules.inStorePrefixes);
    return rules;
}

bool startsWithAny(const std::string& code, const std::vector<std::string>& prefixes) {
    return std::any_of(prefixes.begin(), prefixes.end(), [&](const std::string& p) { return code.starts_with(p); });
}

bool hasValidCheckDigit(const std::string& code) { return checkDigit(code.substr(0, code.size() - 1)) == code.back(); }

[[noreturn]] void refuse(const std::string& text, const char* reason) {
    throw InvalidCode((boost::format("Niepoprawny kod PLU '%1%': %2%") % text % reason).str());
}

char classify(const std::string& code, const std::string& text) {
    const CodeRules& rules = CodeRules::current();
    const std::size_t length = code.size();
    const bool scaleLength = length == 7 || length == 13;
    if (scaleLength && startsWithAny(code, rules.weightPrefixes)) return TPlu::Weight;
    if (scaleLength && startsWithAny(code, rules.valuePrefixes)) return TPlu::Value;
    if (length == 8 || length == 12 || length == 13) {
        if (!hasValidCheckDigit(code)) refuse(text, "błędna cyfra kontrolna");
        if (length == 13 && startsWithAny(code, rules.pricePrefixes)) return TPlu::PriceCarrying;
        if (length == 13 && startsWithAny(code, rules.inStorePrefixes)) return TPlu::InStore;
        return TPlu::Ean;
    }
    return TPlu::Short;
}

}  // namespace

const CodeRules& CodeRules::current() {
    auto& h = holder();
    std::lock_guard lock(h.mutex);
    if (!h.rules) h.rules = std::make_shared<const CodeRules>(rulesFromConfiguration());
    return *h.rules;
}

void CodeRules::reload() {
    auto& h = holder();
    std::lock_guard lock(h.mutex);
    h.rules.reset();
}

void CodeRules::setCurrent(CodeRules rules) {
    auto& h = holder();
    std::lock_guard lock(h.mutex);
    h.rules = std::make_shared<const CodeRules>(std::move(rules));
}

char checkDigit(const std::string& digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

TPlu::TPlu(const std::string& text) { *this = text; }

TPlu& TPlu::operator=(const std::string& text) {
    raw_.clear();
    type_ = '\0';
    const std::string code = boost::algorithm::trim_copy(text);
    if (code.empty()) refuse(text, "pusty kod");
    if (code.size() > 13) refuse(text, "więcej niż 13 cyfr");
    if (!std::all_of(code.begin(), code.end(), [](unsigned char c) { return std::isdigit(c); }))
        refuse(text, "kod może zawierać tylko cyfry");
    type_ = classify(code, text);
    raw_ = code;
    return *this;
}

std::string TPlu::full() const {
    if ((type_ == Weight || type_ == Value)) {
        const std::string body = raw_.substr(0, 7) + "00000";
        return body + checkDigit(body);
    }
    if (type_ == Ean && raw_.size() == 12) return "0" + raw_;
    return raw_;
}

std::string TPlu::numeric() const {
    const std::string digits = (type_ == Weight || type_ == Value) ? raw_.substr(0, 7) : raw_;
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

}  // namespace Plu
