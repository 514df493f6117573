// PLU codes: the code a product is sold under, as printed on the product or typed at
// the register. A code is parsed once and then answers its kind, its raw text, its
// full EAN form and its numeric value. The rules (which prefixes mark scale and
// price-carrying codes) are a shop's choice: see docs/plu-codes.md.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace Plu {

// Which two-digit prefixes mark the code kinds that carry a variable field.
struct CodeRules {
    std::vector<std::string> weightPrefixes{"27", "28"};  // 'W': the scale adds the weight
    std::vector<std::string> valuePrefixes{"29"};         // 'C': the scale adds the value
    std::vector<std::string> pricePrefixes{"26"};         // 'S': characters 7-11 hold the price
    std::vector<std::string> inStorePrefixes{"20", "21", "22", "23", "24", "25"};  // 'I'

    // The rules in force: those of the configuration key "Parametry programu" ->
    // "Kody PLU" when it exists (each value a comma-separated list), else the defaults.
    // Read once; reload() re-reads after the configuration changed.
    static const CodeRules& current();
    static void reload();
    static void setCurrent(CodeRules rules);  // for a host that sets them explicitly
};

class InvalidCode : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPlu {
public:
    // Code kinds, as letters.
    static constexpr char Weight = 'W';         // scale code with the weight in the variable field
    static constexpr char Value = 'C';          // scale code with the value in the variable field
    static constexpr char PriceCarrying = 'S';  // in-store EAN-13 whose characters 7-11 are the price
    static constexpr char InStore = 'I';        // other in-store EAN-13
    static constexpr char Ean = 'E';            // manufacturer's EAN-13, EAN-8 or UPC-A
    static constexpr char Short = 'K';          // a short code typed at the register

    TPlu() = default;
    // Raises InvalidCode ("Niepoprawny kod PLU '%1%': %2%") for text that is not a code.
    explicit TPlu(const std::string& text);
    TPlu& operator=(const std::string& text);

    bool isValid() const noexcept { return type_ != '\0'; }
    char type() const noexcept { return type_; }
    // The code as stored, without surrounding spaces.
    const std::string& raw() const noexcept { return raw_; }
    // The code as a complete EAN: scale codes get a zero variable field and their check
    // digit ("2712345" -> "2712345000000"); UPC-A gets its leading zero; others as raw.
    std::string full() const;
    // The code's number as decimal text without leading zeros; for scale codes the
    // prefix and item number only ("2712345").
    std::string numeric() const;

private:
    std::string raw_;
    char type_ = '\0';
};

// The GS1 check digit of a run of digits (weights 3 and 1 from the right).
char checkDigit(const std::string& digits);

}  // namespace Plu
