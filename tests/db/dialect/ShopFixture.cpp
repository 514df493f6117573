#include "ShopFixture.h"

namespace DialectProof {

const char* const kShopSchema = R"(
create table towar (lTowarRef integer primary key, bWieleCen integer, sNazwa varchar(100), sArtIndex varchar(20),
  sGrIndex varchar(20), byRabatowy integer, dCenaSprzed double precision, bySendWiecz integer, bySendNat integer,
  lPromocjaRef integer, bWagowy integer, nWagaSekcja integer, nWagaPLU integer, byTyp integer, bWieleWydan integer,
  bCenaOtwarta integer, byElEtyk integer, skrNazwa varchar(40), byVAT integer, alternativeVatRate integer,
  multiPriceElementSaleLocked integer, locally_sale_blocked integer, DutyFreeZoneRestrictions integer,
  DutyFreeZoneVatRatesHandling integer, FinancialTransactionTypeId integer, lOpakRef integer, nJmSprz integer,
  nOkresPrzydatnosci integer, nStatusAktywnosci integer, nJmPrzelicznik integer, dPrzelicznik double precision,
  byWeightType integer, nPurchaseAgeLimit integer, nSaleAgeLimit integer, bIncreasedRisk integer,
  bSelfServiceNotAllowed integer, nWeightTolerance integer, nSecurityWeight integer, VatSplittableProductId integer,
  VatSplittableValuePercentage double precision, OnSiteVatRateId integer, sPKWiU varchar(20), brandId integer,
  alternative_Prices_Allowed integer, dLastStnDate integer, lGlownyDostawcaRef integer, nmarza double precision);
create table plu (lPluRef integer primary key, lTowarRef integer, sPLU varchar(20), byStatus integer, byBlokada integer,
  typObslugi integer, njm integer, percentageDiscount double precision, lTowarGrupujacyRef integer);
create view PLU_ALL_VIEW as select * from plu;
create table Product_Current_Sale_Params (product_id integer primary key, alternative_Prices varchar(100),
  sale_price double precision, simplified_promotion_id integer);
create table warSprz (lWarSprzRef integer primary key, lTowarRef integer, byCenaWyslana integer, DataOd integer,
  DataDo integer, dCenaSprzed double precision, lPromoRef integer, alternative_Prices varchar(100));
create table skladsurowcowytowaru (lTowarRef integer primary key, sSklad varchar(200));
create table brand (id integer primary key, name varchar(50));
create table jmiar (lTowarRef integer, njm integer, dPrzelicznikJm2base double precision);
create table stn (lTowarRef integer, data integer, dStan double precision);
create table firma (lFirmaRef integer primary key, sNazwa varchar(100), sKrNazwa varchar(20));
create table tempraporttowar (LTOWARREF integer);
create table price_checker_plu (plu_id integer, id_on_device integer);
create unique index price_checker_plu_id_on_device on price_checker_plu (id_on_device);
create table Urzadzenie (lUrzadzenieRef integer primary key, nNrTypuUrz integer, nNrSekcji integer, nNrKolvenia integer,
  bWlaczone integer, bDostepne integer, bRozszerzonaTransmisja integer);
create table ParamUrz (lParamUrzRef integer primary key, lUrzadzenieRef integer, nParamId integer, sWartoscParam varchar(100));
)";

const char* const kShopRows = R"(
insert into towar (lTowarRef, sNazwa, dCenaSprzed, bySendNat, bySendWiecz, lPromocjaRef, brandId, byElEtyk, dLastStnDate,
  lGlownyDostawcaRef, skrNazwa, nJmPrzelicznik) values
  (1, 'Chleb', 3.5, 1, 0, 100, 10, 1, 44995, 7, 'CHLEB', null),
  (2, 'Mleko', 2.0, 0, 0, null, null, 1, 44992, null, null, 2),
  (3, 'Ser', null, 0, 0, null, null, 0, 44900, null, null, null),
  (4, 'Woda', 0, 0, 0, null, 11, 1, 44900, null, null, null),
  (5, 'Kawa', 5.0, 0, 0, null, null, 0, 44995, 8, null, null),
  (6, 'Sok', 4.0, 0, 0, null, null, 1, 44993, null, null, null);
update towar set nmarza = 10 where lTowarRef = 2;
insert into plu (lPluRef, lTowarRef, sPLU, byStatus, byBlokada, njm) values
  (11, 1, '1001', 2, null, 1), (21, 2, '1002', 1, 0, 1), (31, 3, '1003', 1, null, 1),
  (41, 4, '1004', 3, null, 1), (51, 5, '1005', 2, null, 1), (61, 6, '1006', 2, 1, 1);
insert into Product_Current_Sale_Params (product_id, alternative_Prices) values
  (1, 'A1'), (2, 'A2'), (3, 'A3'), (4, 'A4'), (5, 'A5'), (6, 'A6');
insert into warSprz (lWarSprzRef, lTowarRef, byCenaWyslana, DataOd, DataDo, dCenaSprzed, lPromoRef, alternative_Prices) values
  (201, 2, 0, 44990, 45005, 1.8, 200, 'W201'),
  (202, 2, 0, 44998, 45001, 1.7, 201, 'W202'),
  (203, 5, 0, 44900, 44950, 4.5, 299, null),
  (204, 5, 1, 44990, 45010, 4.4, 298, null),
  (205, 1, 1, 44990, 45010, 3.2, 300, null),
  (206, 1, 1, 44900, 44950, 3.1, 299, null),
  (207, 1, 1, 44995, 45010, 3.3, null, null),
  (208, 6, 1, 44900, 44950, 3.9, 297, null);
insert into skladsurowcowytowaru (lTowarRef, sSklad) values (1, 'mąka, woda');
insert into brand (id, name) values (10, 'Piekarz'), (11, 'Żywiec');
insert into jmiar (lTowarRef, njm, dPrzelicznikJm2base) values (1, 1, 0.5), (1, 2, 7);
insert into stn (lTowarRef, data, dStan) values (1, 44995, 12.5), (1, 44980, 99), (2, 44992, 7), (5, 44995, 3),
  (6, 44993, 2);
insert into firma (lFirmaRef, sNazwa, sKrNazwa) values (7, 'Piekarnia', 'PIEK');
insert into Urzadzenie values (5, 0, 1, 3, 1, 1, 0), (6, 0, 2, 1, 1, 1, 0);
insert into ParamUrz values (1, 5, 10, 'a'), (2, 5, 3, 'b'), (3, 6, 1, 'c');
)";

}  // namespace DialectProof
