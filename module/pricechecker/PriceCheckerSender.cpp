#include "pricechecker/PriceCheckerSender.h"

#include <boost/format.hpp>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "core/Errors.h"
#include "files/Wildcard.h"
#include "pricechecker/CodePage.h"

using Devices::PriceChecker::firstCharacters;
using Devices::PriceChecker::fitLeft;
using Devices::PriceChecker::toWindows1250;

namespace {

constexpr const char* LineEnd = "\r\n";
constexpr char Reload = 'R';
constexpr char Update = 'U';
constexpr char Deletion = 'D';
constexpr std::size_t CodeWidth = 13;
constexpr std::size_t NameWidth = 30;
constexpr std::size_t UnitWidth = 3;
constexpr std::size_t NumberDigits = 5;
constexpr std::size_t ExtensionLength = 4;  // ".txt"

// The number of a name "PLU?????.txt", or -1 for any other name the pattern found.
int numberOf(const std::string& name) {
    if (name.size() < NumberDigits + ExtensionLength) return -1;
    const std::string digits = name.substr(name.size() - ExtensionLength - NumberDigits, NumberDigits);
    for (unsigned char c : digits)
        if (!std::isdigit(c)) return -1;
    return std::stoi(digits);
}

// Hundredths cut toward zero; the tiny nudge only absorbs binary representation error
// (1.15 is 114.999... hundredths as a double).
long long hundredths(double price) {
    return static_cast<long long>(std::trunc(price * 100 + std::copysign(1e-7, price)));
}

std::string fitted(const std::string& utf8, std::size_t width) {
    return fitLeft(toWindows1250(firstCharacters(utf8, width)), width);
}

}  // namespace

TPriceCheckerSender::TPriceCheckerSender(std::string directory) : directory_(std::move(directory)) {
    if (directory_.empty() || directory_.back() != '/') directory_ += '/';
}

TPriceCheckerSender::~TPriceCheckerSender() {
    if (out_.is_open()) abandon();
}

void TPriceCheckerSender::setReloadMode() { reload_ = true; }

int TPriceCheckerSender::nextFileNumber(const std::string& directory) {
    int greatest = -1;
    for (const std::string& name :
         Files::findFiles(std::filesystem::path(directory) / "PLU*.txt", Files::LetterCase::Ignored))
        greatest = std::max(greatest, numberOf(name));
    return greatest + 1;
}

void TPriceCheckerSender::startSending() {
    path_ = directory_ + (boost::format("PLU%05d.TXT") % nextFileNumber(directory_)).str();
    out_.open(path_, std::ios::binary | std::ios::trunc);
    if (!out_)
        throw Core::PlacedRuntimeError((boost::format("Błąd otwarcia pliku: %1%") % path_).str(),
                                       CORE_SRC_INFO("TPriceCheckerSender::startSending"));
}

void TPriceCheckerSender::sendTowar(const std::string& plu, const std::string& name, double price,
                                    const std::string& unit) {
    write(reload_ ? Reload : Update, plu, name, price, unit);
}

void TPriceCheckerSender::deleteTowar(const std::string& plu, const std::string& name, double price,
                                      const std::string& unit) {
    if (!reload_) write(Deletion, plu, name, price, unit);
}

void TPriceCheckerSender::deleteTowar(const std::string& plu) { deleteTowar(plu, "", 0, ""); }

void TPriceCheckerSender::write(char type, const std::string& plu, const std::string& name, double price,
                                const std::string& unit) {
    out_ << recordLine(type, plu, name, price, unit) << LineEnd;
}

void TPriceCheckerSender::endSending() {
    out_.close();
    if (out_.fail())
        throw Core::PlacedRuntimeError((boost::format("Błąd zapisu pliku: %1%") % path_).str(),
                                       CORE_SRC_INFO("TPriceCheckerSender::endSending"));
}

void TPriceCheckerSender::abandon() noexcept {
    out_.close();
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove(path_, ignored);
}

std::string TPriceCheckerSender::recordLine(char type, const std::string& plu, const std::string& name, double price,
                                            const std::string& unit) {
    return type + fitLeft(plu, CodeWidth) + fitted(name, NameWidth) + (boost::format("%9d") % hundredths(price)).str() +
           fitted(unit, UnitWidth);
}

std::string TPriceCheckerSender::codeOf(const Plu::TPlu& plu) {
    if (plu.type() == Plu::TPlu::Weight || plu.type() == Plu::TPlu::Value) return "0" + plu.raw().substr(0, 12);
    return plu.full();
}

std::optional<std::string> TPriceCheckerSender::codeOf(const std::string& text) {
    try {
        return codeOf(Plu::TPlu(text));
    } catch (const Plu::InvalidCode&) {
        return std::nullopt;
    }
}
