#include "DemoCashRegisterDictionaries.h"

#include "TableInsert.h"

namespace ShopDb {

namespace {

struct CountryRow {
    int id;
    const char* code;
    const char* name;
    int activityStatus;  // 2: inactive
};

const CountryRow countries[] = {
    {1, "PL", "Polska", 0},   {2, "DE", "Niemcy", 0},      {3, "CZ", "Czechy", 0},    {4, "SK", "Słowacja", 0},
    {5, "LT", "Litwa", 0},    {6, "UA", "Ukraina", 0},     {7, "ES", "Hiszpania", 0}, {8, "IT", "Włochy", 0},
    {9, "NL", "Holandia", 0}, {10, "YU", "Jugosławia", 2},
};

struct ReturnReasonRow {
    int id;
    const char* name;
    int deleted;
};

const ReturnReasonRow returnReasons[] = {
    {1, "Towar wadliwy", 0},      {2, "Niezgodność z umową", 0}, {3, "Pomyłka kasjera", 0},
    {4, "Rezygnacja klienta", 0}, {5, "Przeterminowany", 1},
};

struct PaymentFormRow {
    int ref;
    const char* guid;
    const char* name;
    int kind;  // 0 cash, 1 card, 2 voucher, 3 credit, 4 transfer
    int changeGiven;
};

const PaymentFormRow paymentForms[] = {
    {1, "{65191C53-315F-4300-AB6A-3D9649A8014C}", "Gotówka", 0, 1},
    {2, "{0B7E2C8A-4F1D-4E59-9C3A-6D2E8F1B7A40}", "Karta płatnicza", 1, 0},
    {3, "{5A9D3E17-2C84-4B6F-A1E0-93F7C2D48B15}", "Bon podarunkowy", 2, 1},
    {4, "{C3F81A62-7D5E-4A09-B2C4-1E6F9D8A3057}", "Kredyt kupiecki", 3, 0},
    {5, "{8E24B7D9-06A3-4C1F-95E8-A7B3D2C6F410}", "Przelew", 4, 0},
};

}  // namespace

void writeCashRegisterDictionaries(const TSessionHolder& session) {
    TableInsert country(session, "Country", {"id", "code", "name", "activityStatus"});
    for (const auto& row : countries) {
        country["id"] = row.id;
        country["code"] = row.code;
        country["name"] = row.name;
        country["activityStatus"] = row.activityStatus;
        country.insert();
    }
    TableInsert reason(session, "ReturnReason", {"id", "name", "deleted"});
    for (const auto& row : returnReasons) {
        reason["id"] = row.id;
        reason["name"] = row.name;
        reason["deleted"] = row.deleted;
        reason.insert();
    }
    TableInsert payment(session, "FormaPlatnosci", {"lFormaPlatnosciRef", "sGuid", "sNazwa", "nRodzaj", "bReszta"});
    for (const auto& row : paymentForms) {
        payment["lFormaPlatnosciRef"] = row.ref;
        payment["sGuid"] = row.guid;
        payment["sNazwa"] = row.name;
        payment["nRodzaj"] = row.kind;
        payment["bReszta"] = row.changeGiven;
        payment.insert();
    }
    TableInsert property(session, "StoredProperty", {"name", "value"});
    property["name"] = "{A6E2D258-BE98-4533-874B-12B02BAE0E1B}";  // the countries changed-flag
    property["value"] = "1";
    property.insert();
}

}  // namespace ShopDb
