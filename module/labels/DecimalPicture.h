// Numbers written by a format picture such as "0000.00": at least as many integer
// digits as the picture has zeros before its point (leading zeros added), exactly as
// many decimals as it has after it, rounded half away from zero on the decimal value
// as written with 15 significant digits (so 2.675 gives 2.68), a leading minus for a
// negative result.
#pragma once

#include <string>

namespace Labels {

class DecimalPicture {
public:
    explicit DecimalPicture(const std::string& picture);
    std::string format(double value, char decimalSeparator) const;

private:
    int integerDigits_ = 0;
    int decimals_ = 0;
};

}  // namespace Labels
