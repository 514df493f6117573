// The dataset half of the PLU engine: marking, the main query and its calculated
// fields.
#include "plu/PLUTransmissionContainer.h"

#include <set>
#include <vector>

#include "core/Debug.h"
#include "db/Command.h"
#include "frame/strategies/UrzCollectionModStrategies.h"
#include "plu/PluDataSetSql.h"
#include "plu/PluRecordProcessor.h"
#include "plu/PriceCarryingCode.h"
#include "plu/SeveralSalePrices.h"
#include "products/ProductFeaturesCache.h"
#include "tools/PluStatus.h"

namespace {

int wholeDay(float day) { return static_cast<int>(day); }

void log(const std::string& text, const Core::SrcInfo& place) {
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine(text, place);
}

struct FieldDeclaration {
    const char* name;
    Db::TFieldType type;
    Db::TFieldKind kind = Db::fkData;
};

// The fields of the main query in the order the window shows them; its other columns
// (lWarSprzRef, lPluRef, lTowarRef, byStatus, bBrakCeny, njm, brandId) follow.
const FieldDeclaration kMainQueryFields[] = {
    {"sPLU", Db::ftString},
    {"sArtIndex", Db::ftString},
    {"sGrIndex", Db::ftString},
    {"byRabatowy", Db::ftInteger},
    {"sNazwa", Db::ftString},
    {"byFlaga", Db::ftInteger},
    {"bySendWiecz", Db::ftInteger},
    {"bySendNat", Db::ftInteger},
    {"byCenaWyslana", Db::ftInteger},
    {"lPromocjaRef", Db::ftLargeint},
    {"byBlokada", Db::ftInteger},
    {"typObslugi", Db::ftInteger},
    {"bWagowy", Db::ftInteger},
    {"nWagaSekcja", Db::ftInteger},
    {"nWagaPLU", Db::ftInteger},
    {"byTyp", Db::ftInteger},
    {"bWieleWydan", Db::ftInteger},
    {"bCenaOtwarta", Db::ftInteger},
    {"byElEtyk", Db::ftInteger},
    {"skrNazwa", Db::ftString},
    {"byVAT", Db::ftInteger},
    {"alternativeVatRate", Db::ftInteger},
    {"multiPriceElementSaleLocked", Db::ftInteger},
    {"locallySaleBlocked", Db::ftInteger},
    {"bWieleCen", Db::ftInteger},
    {"DutyFreeZoneRestrictions", Db::ftInteger},
    {"DutyFreeZoneVatRatesHandling", Db::ftInteger},
    {"FinancialTransactionTypeId", Db::ftInteger},
    {"lOpakRef", Db::ftInteger},
    {"nStatusAktywnosci", Db::ftInteger},
    {"nJmSprz", Db::ftInteger},
    {"nOkresPrzydatnosci", Db::ftInteger},
    {"dCenaSprzedTowar", Db::ftFloat},
    {"dCenaSprzedWar", Db::ftFloat},
    {"discount", Db::ftFloat},
    {"baseUnitInMeasureUnit", Db::ftFloat},
    {"lTowarGrupujacyRef", Db::ftInteger},
    {"Marka", Db::ftString},
    {"nJmPrzelicznik", Db::ftInteger},
    {"dPrzelicznik", Db::ftFloat},
    {"alternativePricesAllowed", Db::ftInteger},
    {"alternativePrices", Db::ftString},
    {"sCenaSprzed", Db::ftString, Db::fkCalculated},
    {"sStatus", Db::ftString, Db::fkCalculated},
    {"sWyslij", Db::ftString, Db::fkCalculated},
    {"sFlaga", Db::ftString, Db::fkCalculated},
    {"sBlokada", Db::ftString, Db::fkCalculated},
    {"sSklad", Db::ftString},
    {"byWeightType", Db::ftInteger},
    {"nPurchaseAgeLimit", Db::ftInteger},
    {"nSaleAgeLimit", Db::ftInteger},
    {"bIncreasedRisk", Db::ftInteger},
    {"bSelfServiceNotAllowed", Db::ftInteger},
    {"nWeightTolerance", Db::ftInteger},
    {"nSecurityWeight", Db::ftInteger},
    {"VatSplittableProductId", Db::ftInteger},
    {"VatSplittableValuePercentage", Db::ftFloat},
    {"OnSiteVatRateId", Db::ftInteger},
    {"PKWiU", Db::ftString},
    // The price the row is sent with, chosen by QueryCalcFields.
    {"dCenaSprzed", Db::ftFloat, Db::fkCalculated},
};

// A send flag counts only when it is exactly 1 (NULL does not).
bool isSet(const Db::TField& flag) { return !flag.IsNull() && flag.AsInteger() == 1; }

const char* sendWhenText(bool immediately, bool inTheEvening) {
    if (immediately && inTheEvening) return "Nat/Wiecz";
    if (immediately) return "Natychmiast";
    if (inTheEvening) return "Wieczorem";
    return "Natychmiast*";
}

std::string originText(int origins) {
    std::string text = "   ";
    if (origins & TPLUTransmissionContainer::FromWarSprz) text[0] = 'W';
    if (origins & TPLUTransmissionContainer::FromTowar) text[1] = 'T';
    if (origins & TPLUTransmissionContainer::FromPLU) text[2] = 'P';
    return text;
}

const char* statusText(int status) {
    switch (status) {
    case Plu::Status::New: return "Nowy";
    case Plu::Status::Ordinary: return "Zwykły";
    case Plu::Status::ToDelete: return "Do usunięcia";
    default: return "";
    }
}

// Chooses the price the row is sent with: the price in the code (shown only; the
// sender reads it from the code again), else the condition's when the row comes from
// one, else the product's, which may be missing ("brak!").
void calculatePrice(Db::TDataSet& row) {
    Db::TField& text = row.FieldByName("sCenaSprzed");
    if (const auto carried = PluTransmission::priceCarriedByCode(row.FieldByName("sPLU").AsString())) {
        text = PluTransmission::formatPrice(*carried);
        return;
    }
    const bool fromCondition = row.FieldByName("byFlaga").AsInteger() & TPLUTransmissionContainer::FromWarSprz;
    const Db::TField& source = row.FieldByName(fromCondition ? "dCenaSprzedWar" : "dCenaSprzedTowar");
    row.FieldByName("dCenaSprzed") = source.value();
    text = !fromCondition && source.IsNull() ? std::string("brak!") : PluTransmission::formatPrice(source.AsFloat());
}

}  // namespace

TPLUTransmissionContainer::TPLUTransmissionContainer(ETransKindName::TransmissionKind kind, TSessionHolder& session)
    : kind_(kind),
      session_(session),
      mainQuery_(session),
      processor_(std::make_unique<PluTransmission::PluRecordProcessor>(kind, session, mainQuery_)),
      strategy_(std::make_shared<CNullUrzCollectionModStrategy>()) {
    createFields();
    mainQuery_.OnCalcFields = [this](Db::TDataSet* dataSet) { QueryCalcFields(dataSet); };
}

TPLUTransmissionContainer::~TPLUTransmissionContainer() = default;

void TPLUTransmissionContainer::createFields() {
    for (const FieldDeclaration& field : kMainQueryFields) mainQuery_.AddField(field.name, field.type, field.kind);
}

void TPLUTransmissionContainer::CreateDataSet(float day, const std::list<int>& products) {
    products_ = products;
    CreateDataSet(day);
}

void TPLUTransmissionContainer::CreateDataSet(float day) {
    log("TPLUTransmissionContainer::CreateDataSet start", CORE_SRC_INFO("TPLUTransmissionContainer::CreateDataSet"));
    day_ = day;
    const bool severalSalePrices = PluTransmission::severalSalePricesEnabled();
    if (severalSalePrices) {
        markPLUFromTowarAnsWars(day, "PLU_ALL_VIEW");
        markTowarFromPLUAnsWars(day);
    } else {
        markPLUFromTowarAnsWars(day, "PLU");
    }
    openMainQuery(wholeDay(day), severalSalePrices);
    log("TPLUTransmissionContainer::CreateDataSet end", CORE_SRC_INFO("TPLUTransmissionContainer::CreateDataSet"));
}

void TPLUTransmissionContainer::markPLUFromTowarAnsWars(float day, const std::string& table) {
    log("markPLUFromTowarAnsWars: update plu", CORE_SRC_INFO("TPLUTransmissionContainer::markPLUFromTowarAnsWars"));
    DBKernel::Sql::Command(PluTransmission::markPlusStatement(wholeDay(day), table), session_).execute();
}

void TPLUTransmissionContainer::markTowarFromPLUAnsWars(float day) {
    if (!PluTransmission::severalSalePricesEnabled()) return;
    log("markTowarFromPLUAnsWars: update towar", CORE_SRC_INFO("TPLUTransmissionContainer::markTowarFromPLUAnsWars"));
    DBKernel::Sql::Command(PluTransmission::markGroupedProductsStatement(wholeDay(day)), session_).execute();
}

void TPLUTransmissionContainer::openMainQuery(int day, bool severalSalePrices) {
    mainQuery_.Close();
    mainQuery_.SetSQL(PluTransmission::mainQueryStatement({day, severalSalePrices, includePriceless_}, products_));
    mainQuery_.Open();
    cacheProductFeatures();
}

void TPLUTransmissionContainer::cacheProductFeatures() {
    std::set<int> products;
    const Db::TField& product = mainQuery_.FieldByName("lTowarRef");
    for (mainQuery_.First(); !mainQuery_.Eof(); mainQuery_.Next()) products.insert(product.AsInteger());
    mainQuery_.First();
    productFeatures_ = std::make_shared<Korvel::Products::ProductFeaturesCache>(
        session_, std::vector<int>(products.begin(), products.end()));
}

void TPLUTransmissionContainer::setIncludePriceless(bool include) {
    if (include == includePriceless_) return;
    includePriceless_ = include;
    CreateDataSet(day_);
}

void TPLUTransmissionContainer::QueryCalcFields(Db::TDataSet* dataSet) {
    Db::TDataSet& row = *dataSet;
    calculatePrice(row);
    row.FieldByName("sWyslij") =
        sendWhenText(isSet(row.FieldByName("bySendNat")), isSet(row.FieldByName("bySendWiecz")));
    row.FieldByName("sFlaga") = originText(row.FieldByName("byFlaga").AsInteger());
    row.FieldByName("sStatus") = statusText(row.FieldByName("byStatus").AsInteger());
    row.FieldByName("sBlokada") = row.FieldByName("byBlokada").AsInteger() == 1 ? "tak" : "nie";
}
