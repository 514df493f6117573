#include "DemoFixtures.h"

#include <array>
#include <set>
#include <string>

#include "ProductCatalogue.h"
#include "devicedefs/Urzadzenie.h"

namespace ShopDb::DemoFixtures {

namespace {

// A tax number with its check digit (weights 6 5 7 2 3 4 5 6 7, sum modulo 11).
std::string taxNumber(Random& random) {
    static constexpr std::array<int, 9> weights{6, 5, 7, 2, 3, 4, 5, 6, 7};
    for (;;) {
        std::string digits;
        int sum = 0;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            const int digit = static_cast<int>(i == 0 ? random.between(1, 9) : random.between(0, 9));
            digits += static_cast<char>('0' + digit);
            sum += digit * weights[i];
        }
        if (sum % 11 != 10) return digits + static_cast<char>('0' + sum % 11);
    }
}

// Suppliers whose promotions are refunded, marked by a company attribute.
const char* const refundationAttribute = "Refundacja";
const std::set<int> refundedSuppliers{3, 4, 11};

struct FinancialTransactionKind {
    int id;
    const char* guid;
    const char* definition;
};
constexpr std::array financialTransactionTypes{
    FinancialTransactionKind{1, "{3F6B2A1E-8C4D-4E7A-9B15-0D2C6E8F1A34}", "Doładowanie telefonu"},
    FinancialTransactionKind{2, "{A9D41C07-5E2B-4B88-8F3A-6C1E0B7D9245}", "Opłata rachunku"},
    FinancialTransactionKind{3, "{5C0E7B92-1F4A-4D6C-A2B8-93E5D0F17C6B}", "Wypłata gotówki"},
};

struct DiscountKind {
    int id;
    const char* name;
    bool active;
};
constexpr std::array automaticDiscountTypes{
    DiscountKind{1, "Senior", true},
    DiscountKind{2, "Karta stałego klienta", true},
    DiscountKind{3, "Szczęśliwa godzina", true},
    DiscountKind{4, "Rabat świąteczny", false},
};

static_assert(automaticDiscountTypes.size() == automaticDiscountTypeCount);

struct Device {
    TTypUrzadzenia type;
    int section;
    int number;
    const char* name;
    bool enabled, available, extendedTransmission, installed, working, transmission;
};

// Cash register 3 is out of order today, cash register 4 is integrated (takes its data
// without the cash-register server's files), and the second scale of section 2 is
// not installed.
constexpr std::array devices{
    Device{tuKasa, 0, 1, "Kasa 1", true, true, true, true, true, true},
    Device{tuKasa, 0, 2, "Kasa 2 (samoobsługowa)", true, true, false, true, true, true},
    Device{tuKasa, 0, 3, "Kasa 3", true, false, false, true, false, true},
    Device{tuKasa, 0, 4, "Kasa 4 (zintegrowana)", true, true, false, true, true, true},
    Device{tuWaga, 1, 1, "Waga 1 - wędliny", true, true, false, true, true, true},
    Device{tuWaga, 1, 2, "Waga 2 - sery", true, true, false, true, true, true},
    Device{tuWaga, 2, 1, "Waga 1 - warzywa", true, true, false, true, true, true},
    Device{tuWaga, 2, 2, "Waga 2 - ryby", false, false, false, false, false, false},
    Device{tuSkaner, 0, 1, "Skaner 1", true, true, false, true, true, false},
    Device{tuWeryfikatorCen, 0, 1, "Weryfikator cen 1", true, true, false, true, true, false},
};

struct Parameter {
    int id;
    std::string value;
};

std::vector<Parameter> parametersOf(const Device& device) {
    switch (device.type) {
    case tuKasa:
        return {{1, device.number == 4 ? "1" : "0"},
                {3, device.number == 2 ? "2" : "0"},
                {10, "1"},
                {12, "15"},
                {23, "2"},
                {43, "Sklep Demonstracyjny\nul. Przykładowa 1, 00-001 Warszawa"},
                {44, "Dziękujemy za zakupy!"}};
    case tuWaga: {
        std::vector<Parameter> parameters{{130, "2000"}, {131, "Sklep Demonstracyjny - świeże produkty"}};
        // The first section's scales print a default shelf life; the second's have none.
        if (device.section == 1) parameters.push_back({133, device.number == 1 ? "5" : "7"});
        return parameters;
    }
    case tuSkaner: return {{150, "1"}, {151, "9600"}, {152, "8"}, {153, "N"}, {154, "1"}};
    default: return {};
    }
}

void writeNames(TableInsert& table, const char* idColumn, const char* nameColumn,
                const std::vector<std::string_view>& names) {
    int id = 0;
    for (std::string_view name : names) {
        table[idColumn] = ++id;
        table[nameColumn] = std::string(name);
        table.insert();
    }
}

}  // namespace

void writeDictionaries(DemoTables& tables, Random& random) {
    writeNames(tables.brand, "id", "name", brandNames());
    writeNames(tables.productSet, "id", "name", productSetNames());
    writeNames(tables.prezent, "lPremiaBonPrezentRef", "sNazwa", giftNames());

    int ref = 0;
    auto company = [&](std::string_view name, std::string_view shortName, bool own) {
        auto& firma = tables.firma;
        firma["lFirmaRef"] = ++ref;
        firma["sNazwa"] = std::string(name);
        firma["sKrNazwa"] = std::string(shortName);
        firma["sNip"] = taxNumber(random);
        firma["bDostawca"] = own ? 0 : 1;
        firma["bFirmaWlasna"] = own ? 1 : 0;
        firma["SplittableVatSaleOnSiteAllowed"] = own ? 1 : 0;
        firma.insert();
    };
    for (const Supplier& supplier : supplierNames()) {
        company(supplier.name, supplier.shortName, false);
        auto& attribute = tables.firmaAtrybut;
        attribute["lFirmaRef"] = ref;
        attribute["sNazwa"] = refundationAttribute;
        attribute["sWartosc"] = refundedSuppliers.count(ref) ? "TAK" : "NIE";
        attribute.insert();
    }
    company("Sklep Demonstracyjny sp. z o.o.", "Sklep Demo", true);

    for (const auto& [id, guid, definition] : financialTransactionTypes) {
        auto& type = tables.financialTransactionType;
        type["id"] = id;
        type["guid"] = guid;
        type["definition"] = definition;
        type.insert();
    }
    for (const auto& [id, name, active] : automaticDiscountTypes) {
        auto& type = tables.automaticDiscountType;
        type["id"] = id;
        type["name"] = name;
        type["isActive"] = active ? 1 : 0;
        type.insert();
    }
}

std::int64_t writeDevices(DemoTables& tables, ReferenceCounter& references) {
    for (const Device& device : devices) {
        const std::int64_t ref = references.next();
        auto& row = tables.urzadzenie;
        row["lUrzadzenieRef"] = ref;
        row["nNrTypuUrz"] = static_cast<int>(device.type);
        row["nNrSekcji"] = device.section;
        row["nNrKolvenia"] = device.number;
        row["sNazwa"] = device.name;
        row["bWlaczone"] = device.enabled ? 1 : 0;
        row["bDostepne"] = device.available ? 1 : 0;
        row["bRozszerzonaTransmisja"] = device.extendedTransmission ? 1 : 0;
        row["bZainstalowane"] = device.installed ? 1 : 0;
        row["bCzynne"] = device.working ? 1 : 0;
        row["bTransmisja"] = device.transmission ? 1 : 0;
        row.insert();
        for (const Parameter& parameter : parametersOf(device)) {
            auto& param = tables.paramUrz;
            param["lParamUrzRef"] = references.next();
            param["lUrzadzenieRef"] = ref;
            param["nParamId"] = parameter.id;
            param["sWartoscParam"] = parameter.value;
            param.insert();
        }
    }
    return static_cast<std::int64_t>(devices.size());
}

void writeSales(DemoTables& tables, Random& random, ReferenceCounter& references, std::int32_t today) {
    for (std::int32_t day = today - 7; day < today; ++day) {
        for (int cashRegister = 1; cashRegister <= 4; ++cashRegister) {
            // Register 3 sold nothing six days ago; its reported totals are missing too.
            if (cashRegister == 3 && day == today - 6) continue;
            const int receipts = static_cast<int>(random.between(10, 40));
            std::int64_t value = 0;
            for (int i = 0; i < receipts; ++i) {
                const std::int64_t receiptValue = random.between(300, 25000);
                value += receiptValue;
                auto& receipt = tables.paragnag;
                receipt["lParagRef"] = references.next();
                receipt["nNrKasy"] = cashRegister;
                receipt["data"] = day;
                receipt["dWartSprzed"] = static_cast<double>(receiptValue) / 100.0;
                receipt.insert();
            }
            // The totals of register 2 three days ago never arrived; register 1 reported
            // one receipt too many five days ago.
            if (cashRegister == 2 && day == today - 3) continue;
            auto& totals = tables.saleVerification;
            totals["cashRegisterNumber"] = cashRegister;
            totals["saleDate"] = day;
            totals["saleValue"] = static_cast<double>(value) / 100.0;
            totals["receiptCount"] = receipts + (cashRegister == 1 && day == today - 5 ? 1 : 0);
            totals.insert();
        }
    }
}

}  // namespace ShopDb::DemoFixtures
