#include "labels/DecimalPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace Labels {

namespace {

// The digits of |value| scaled by 10^decimals and rounded, as decimal text.
std::string scaledDigits(double value, int decimals) {
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    std::string digits;
    for (const char* c = scientific; *c && *c != 'e'; ++c)
        if (*c != '.') digits += *c;
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    // digits holds d.dddd...: the integer part has exponent+1 digits.
    const int kept = exponent + 1 + decimals;
    if (kept < 0) return "0";
    std::string result = digits.substr(0, std::min<std::size_t>(kept, digits.size()));
    result.append(kept > static_cast<int>(digits.size()) ? kept - digits.size() : 0, '0');
    const bool roundUp = kept < static_cast<int>(digits.size()) && digits[kept] >= '5';
    if (roundUp) {
        int i = static_cast<int>(result.size()) - 1;
        for (; i >= 0 && result[i] == '9'; --i) result[i] = '0';
        if (i < 0)
            result.insert(result.begin(), '1');
        else
            ++result[i];
    }
    return result.empty() ? "0" : result;
}

}  // namespace

DecimalPicture::DecimalPicture(const std::string& picture) {
    const std::size_t point = picture.find('.');
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (i == point) continue;
        if (picture[i] != '0') throw std::invalid_argument("Nieobsługiwany format liczby \"" + picture + "\".");
        ++(point == std::string::npos || i < point ? integerDigits_ : decimals_);
    }
}

std::string DecimalPicture::format(double value, char decimalSeparator) const {
    std::string digits = scaledDigits(value, decimals_);
    const std::size_t minimum = static_cast<std::size_t>(integerDigits_ + decimals_);
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string result = value < 0 && !zero ? "-" : "";
    result += digits.substr(0, digits.size() - decimals_);
    if (decimals_ > 0) result += decimalSeparator + digits.substr(digits.size() - decimals_);
    return result;
}

}  // namespace Labels
