// The host's company directory (table Firma): suppliers, customers and the shop's own
// company, each optionally described by named attributes (table FirmaAtrybut, one
// text value per company and attribute name).
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "db/SessionHolder.h"

namespace Business {

// One company of the directory.
class Company {
public:
    Company(std::int64_t id, std::string name, bool splittableVatSaleOnSiteAllowed)
        : id_(id), name_(std::move(name)), splittableVatSaleOnSiteAllowed_(splittableVatSaleOnSiteAllowed) {}

    std::int64_t getId() const { return id_; }
    const std::string& getName() const { return name_; }
    // Whether a product whose VAT is split may be sold for consumption on site.
    bool getSplittableVatSaleOnSiteAllowed() const { return splittableVatSaleOnSiteAllowed_; }

private:
    std::int64_t id_;
    std::string name_;
    bool splittableVatSaleOnSiteAllowed_;
};

class CompanyDirectory {
public:
    explicit CompanyDirectory(TSessionHolder session = TSessionHolder(true));

    // References of the companies whose attribute `attribute` holds exactly `value`
    // (names and values compared as stored, letter case included).
    std::set<std::int64_t> findByAttribute(const std::string& attribute, const std::string& value) const;

    // The shop's own company (Firma.bFirmaWlasna = 1). Raises Core::PlacedRuntimeError
    // "W kartotece firm nie oznaczono firmy własnej." when no company is so marked.
    Company ownCompany() const;

private:
    TSessionHolder session_;
};

}  // namespace Business
