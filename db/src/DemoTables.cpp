#include "DemoTables.h"

namespace ShopDb {

DemoTables::DemoTables(const TSessionHolder& session)
    : brand(session, "Brand", {"id", "name"}),
      firma(session, "Firma", {"lFirmaRef", "sNazwa", "sKrNazwa", "sNip"}),
      productSet(session, "ProductSet", {"id", "name"}),
      prezent(session, "prezent", {"lPremiaBonPrezentRef", "sNazwa"}),
      towar(session, "Towar",
            {"lTowarRef", "sNazwa", "skrNazwa", "sArtIndex", "sGrIndex", "sPKWiU", "byTyp", "byVAT",
             "OnSiteVatRateId", "byRabatowy", "dCenaSprzed", "lPromocjaRef", "bySendNat", "bySendWiecz",
             "bWieleCen", "lTowarWielocenowyRef", "multiPriceElementSaleLocked", "locally_sale_blocked", "bWagowy", "nWagaSekcja", "nWagaPLU",
             "byWeightType", "nWeightTolerance", "nSecurityWeight", "bCenaOtwarta", "byElEtyk", "nJmSprz",
             "nJmPrzelicznik", "dPrzelicznik", "nOkresPrzydatnosci", "nStatusAktywnosci", "lOpakRef",
             "nPurchaseAgeLimit", "nSaleAgeLimit", "bIncreasedRisk", "bSelfServiceNotAllowed", "brandId",
             "alternative_Prices_Allowed", "dLastStnDate", "lGlownyDostawcaRef", "nMarza"}),
      salesParams(session, "Product_Current_Sale_Params",
                  {"product_id", "sale_price", "simplified_promotion_id", "alternative_prices"}),
      plu(session, "PLU", {"lPluRef", "sPLU", "lTowarRef", "byStatus", "byBlokada", "njm", "percentageDiscount"}),
      jmiar(session, "jmiar", {"lTowarRef", "njm", "dPrzelicznikJm2base"}),
      warSprz(session, "WarSprz",
              {"lWarSprzRef", "lTowarRef", "DataOd", "DataDo", "dCenaSprzed", "byCenaWyslana", "lPromoRef"}),
      sklad(session, "skladsurowcowytowaru", {"lTowarRef", "sSklad"}),
      stn(session, "stn", {"lTowarRef", "data", "dStan", "dCenaSprzed", "dWartoscSprzed"}),
      zestaw(session, "Zestaw", {"lMasterTowarRef", "lTowarRef", "dIlosc", "dSkladnikCenaSprzed"}),
      productSetLink(session, "ProductProductSetLink", {"ProductId", "ProductSetId", "Deleted"}),
      warzak(session, "warzak",
             {"lWarZakRef", "lTowarRef", "lOdFirmaRef", "dCenaZak", "DataOd", "DataDo", "lWarZakCentrRef"}),
      dostawa(session, "Dostawa", {"lDostawaRef", "lTowarRef", "lFirmaRef", "data", "dIlosc", "dCenaZak"}),
      deletedScaleNumber(session, "DeletedProductScaleNumber", {"ProductId", "SectionNumber", "NumberOnScale"}),
      urzadzenie(session, "Urzadzenie",
                 {"lUrzadzenieRef", "nNrTypuUrz", "nNrSekcji", "nNrKolvenia", "sNazwa", "bWlaczone", "bDostepne",
                  "bRozszerzonaTransmisja", "bZainstalowane", "bCzynne", "bTransmisja"}),
      paramUrz(session, "ParamUrz", {"lParamUrzRef", "lUrzadzenieRef", "nParamId", "sWartoscParam"}),
      paragnag(session, "paragnag", {"lParagRef", "nNrKasy", "data", "dWartSprzed"}),
      saleVerification(session, "saleverification", {"cashRegisterNumber", "saleDate", "saleValue", "receiptCount"}) {}

}  // namespace ShopDb
