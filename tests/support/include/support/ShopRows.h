// Rows of a shop database written by hand, a few per test: products with their current
// sale parameters, PLU codes and sale-price conditions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "db/SessionHolder.h"

namespace TestSupport {

// ShopProduct(1, "Chleb", 3.49).sendingNow()
struct ShopProduct {
    ShopProduct(int id, std::string name, std::optional<double> price) : id(id), name(std::move(name)), price(price) {}
    ShopProduct& sendingNow() {
        sendNow = 1;
        return *this;
    }
    ShopProduct& sendingInTheEvening() {
        sendEvening = 1;
        return *this;
    }
    ShopProduct& groupedUnder(int groupingProduct) {
        grouping = groupingProduct;
        return *this;
    }
    ShopProduct& withoutVat() {
        vat.reset();
        return *this;
    }

    int id;
    std::string name;
    std::optional<double> price;
    int sendNow = 0;              // bySendNat
    int sendEvening = 0;          // bySendWiecz
    std::optional<int> grouping;  // lTowarWielocenowyRef
    std::optional<int> vat = 1;   // byVAT
};

void addProduct(TSessionHolder& session, const ShopProduct& product);
void addPlu(TSessionHolder& session, int pluRef, int productId, const std::string& code, int status,
            std::optional<int> blocked = 0);
void addCondition(TSessionHolder& session, int ref, int productId, std::optional<double> price, int sent, int from,
                  int to);

// A row of Urzadzenie keyed 100 + number, with the integrated-register parameter (ParamUrz 1)
// when that is given. A flag left empty keeps its columns out of the insert, so the schema's
// default stands as it does for a device set up without it.
struct ShopDevice {
    int number;
    int type = 0;                      // nNrTypuUrz: 0 cash register, 1 scale
    std::string name{};                // empty: "Kasa <number>"
    std::optional<bool> enabled{};     // bWlaczone
    std::optional<bool> installed{};   // bZainstalowane
    std::optional<bool> working{};     // bDostepne and bCzynne
    std::optional<bool> integrated{};  // empty: no ParamUrz row
};

void addDevice(TSessionHolder& session, const ShopDevice& device);

// The first column of the first row of a query.
std::int64_t integerOf(const TSessionHolder& session, const std::string& sql);
std::string textOf(const TSessionHolder& session, const std::string& sql);
bool isNull(const TSessionHolder& session, const std::string& sql);

}  // namespace TestSupport
