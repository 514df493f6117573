-- The shop database on SQLite.
--
-- Dates are day numbers of the host's date type: whole days since
-- 30 December 1899; a time of day is the fractional part. Day columns hold
-- whole days (INTEGER); prices and quantities are REAL.
-- Columns that the back office may leave out are nullable or have defaults.

-- Dictionaries ---------------------------------------------------------------

create table StawkaVat (
    byVAT integer primary key,
    sSymbol text not null,          -- shown on receipts: 23, 8, 5, 0, zw
    sLitera text not null,          -- the fiscal printer's rate letter
    dStawka real not null default 0,   -- percent
    bZwolniona integer not null default 0,
    DataOd integer not null default 0,
    DataDo integer
);

create table JednostkaMiary (
    nJm integer primary key,
    sSymbol text not null,
    sNazwa text not null,
    bPodzielna integer not null default 0  -- sold in fractions (weighed, poured)
);

create table ProductActivityStatus (
    productActivityStatusId integer primary key,
    name text not null,
    SaleBlocked integer not null default 0
);

create table Brand (
    id integer primary key,
    name text not null
);

create table Firma (
    lFirmaRef integer primary key,
    sNazwa text not null,
    sKrNazwa text,
    sNip text,
    bDostawca integer not null default 1,
    bFirmaWlasna integer not null default 0,                   -- the shop's own company
    SplittableVatSaleOnSiteAllowed integer not null default 0
);

-- Attributes of companies, by name ("Refundacja" = "TAK" marks a refunded supplier).
create table FirmaAtrybut (
    lFirmaRef integer not null,
    sNazwa text not null,
    sWartosc text,
    primary key (lFirmaRef, sNazwa)
);
create index firmaatrybut_value on FirmaAtrybut (sNazwa, sWartosc);

-- Kinds of financial transactions that registers sell as products (top-ups, bill payments).
create table FinancialTransactionType (
    id integer primary key,
    guid text not null,
    definition text
);

create table AutomaticDiscountType (
    id integer primary key,
    name text not null,
    isActive integer not null default 1
);

-- Products and their codes -----------------------------------------------------

create table Towar (
    lTowarRef integer primary key,
    sNazwa text,
    skrNazwa text,
    sArtIndex text,
    sGrIndex text,
    sPKWiU text,
    byTyp integer not null default 0,
    byVAT integer,
    alternativeVatRate integer,
    OnSiteVatRateId integer,
    VatSplittableProductId integer,
    VatSplittableValuePercentage real,
    byRabatowy integer not null default 1,
    dCenaSprzed real,
    lPromocjaRef integer,
    bySendNat integer not null default 0,
    bySendWiecz integer not null default 0,
    bWieleCen integer not null default 0,
    lTowarWielocenowyRef integer,         -- the several-price product this one is an element of
    multiPriceElementSaleLocked integer not null default 0,
    locally_sale_blocked integer not null default 0,
    bWagowy integer not null default 0,
    nWagaSekcja integer,
    nWagaPLU integer,
    byWeightType integer,
    nWeightTolerance integer,
    nSecurityWeight integer,
    bWieleWydan integer not null default 0,
    bCenaOtwarta integer not null default 0,
    byElEtyk integer,
    nJmSprz integer,
    nJmPrzelicznik integer,
    dPrzelicznik real,
    nOkresPrzydatnosci integer,
    nStatusAktywnosci integer not null default 0,
    DutyFreeZoneRestrictions integer,
    DutyFreeZoneVatRatesHandling integer,
    FinancialTransactionTypeId integer,
    lOpakRef integer,
    nPurchaseAgeLimit integer,
    nSaleAgeLimit integer,
    bIncreasedRisk integer,
    bSelfServiceNotAllowed integer,
    brandId integer,
    alternative_Prices_Allowed integer not null default 0,
    successor_id integer,
    dLastStnDate integer,
    lGlownyDostawcaRef integer,
    nMarza real
);
create index towar_sendnat on Towar (bySendNat) where bySendNat = 1;
create index towar_sendwiecz on Towar (bySendWiecz) where bySendWiecz = 1;
create index towar_wielocenowy on Towar (lTowarWielocenowyRef) where lTowarWielocenowyRef is not null;
create index towar_successor on Towar (successor_id) where successor_id is not null;
create index towar_laststndate on Towar (dLastStnDate);
create index towar_grindex on Towar (sGrIndex);
-- The split-bundles sender reads the bundle products at every package end.
create index towar_type on Towar (byTyp);

create table PLU (
    lPluRef integer primary key,
    sPLU text not null,
    lTowarRef integer not null,
    byStatus integer not null default 1,   -- 1 new, 2 ordinary, 3 to be deleted, 4 deleted
    byBlokada integer default 0,           -- 1 blocked; null counts as 0
    typObslugi integer,
    njm integer,
    percentageDiscount real,
    byHardTrStat integer default 0
);
create index plu_towar on PLU (lTowarRef);
create index plu_status on PLU (byStatus);
create index plu_code on PLU (sPLU);

-- Sale-price conditions: a price valid from one day to another, sent once.
create table WarSprz (
    lWarSprzRef integer primary key,
    lTowarRef integer not null,
    DataOd integer not null,
    DataDo integer not null,
    dCenaSprzed real,
    byCenaWyslana integer not null default 0,
    lPromoRef integer,
    alternative_Prices text
);
create index warsprz_towar on WarSprz (lTowarRef, byCenaWyslana, DataOd, DataDo);
create index warsprz_unsent on WarSprz (byCenaWyslana, DataOd);

create table Product_Current_Sale_Params (
    product_id integer primary key,
    sale_price real,
    simplified_promotion_id integer,
    alternative_prices text
);

-- Automatic discounts a product takes part in.
create table ProductAutomaticDiscountType (
    ProductId integer not null,
    AutomaticDiscountTypeId integer not null,
    primary key (ProductId, AutomaticDiscountTypeId)
);

-- Named features of products ("Kitchen type": where the kitchen printout goes).
create table ProductFeature (
    product_id integer not null,
    name text not null,
    value text,
    primary key (product_id, name)
);

create table skladsurowcowytowaru (
    lTowarRef integer primary key,
    sSklad text
);

-- Units in which a product is also sold, with their size in its base unit.
create table jmiar (
    lTowarRef integer not null,
    njm integer not null,
    dPrzelicznikJm2base real not null default 1,
    primary key (lTowarRef, njm)
);

-- Stock by day; dStan is the quantity held at the end of the day.
create table stn (
    lTowarRef integer not null,
    data integer not null,
    dStan real not null default 0,
    dCenaSprzed real,
    dWartoscSprzed real,
    primary key (lTowarRef, data)
);

-- Split bundles: the components of a bundle product (Towar.byTyp 8).
create table Zestaw (
    lMasterTowarRef integer not null,
    lTowarRef integer not null,
    dIlosc real not null default 1,
    dSkladnikCenaSprzed real,
    primary key (lMasterTowarRef, lTowarRef)
);

create table ProductSet (
    id integer primary key,
    name text,
    Deleted integer not null default 0
);

create table ProductProductSetLink (
    ProductId integer not null,
    ProductSetId integer not null,
    Deleted integer not null default 0,
    primary key (ProductId, ProductSetId)
);
-- A product's composition lists the other members of its sets, for every PLU sent.
create index productsetlink_set on ProductProductSetLink (ProductSetId, ProductId);

-- Purchase conditions of suppliers.
create table warzak (
    lWarZakRef integer primary key,
    lTowarRef integer not null,
    lOdFirmaRef integer,
    dCenaZak real,
    DataOd integer not null,
    DataDo integer,
    lWarZakCentrRef integer
);
create index warzak_towar on warzak (lTowarRef, DataOd);

-- Supplies received, one row per product line.
create table Dostawa (
    lDostawaRef integer primary key,
    lTowarRef integer not null,
    lFirmaRef integer,
    data integer not null,
    dIlosc real,
    dCenaZak real
);
create index dostawa_towar on Dostawa (lTowarRef, data);

create table prezent (
    lPremiaBonPrezentRef integer primary key,
    sNazwa text
);

-- Old scale numbers of products; filled by the back office when a product's
-- scale number or section changes.
create table DeletedProductScaleNumber (
    ProductId integer not null,
    SectionNumber integer not null,
    NumberOnScale integer not null
);

create table price_checker_plu (
    id_on_device integer primary key,
    plu_id integer not null
);
create index price_checker_plu_plu on price_checker_plu (plu_id);

-- Product references handed to one report query (column LTOWARREF may hold
-- PLU references too, as its callers decide).
create table tempraporttowar (
    LTOWARREF integer not null
);
create index tempraporttowar_ref on tempraporttowar (LTOWARREF);

-- Several-price products: an element of a several-price product (Towar.lTowarWielocenowyRef)
-- is sold under that product's codes. The view lists every PLU row once for its own
-- product and once more for each of its elements, naming the grouping product in
-- lTowarGrupujacyRef. Only the view has that column: the back office names it
-- unqualified beside Towar.
create view PLU_ALL_VIEW as
select p.lPluRef, p.sPLU, p.lTowarRef, p.byStatus, p.byBlokada, p.typObslugi, p.njm,
       p.percentageDiscount, p.byHardTrStat, cast(null as integer) as lTowarGrupujacyRef
  from PLU p
union all
select p.lPluRef, p.sPLU, t.lTowarRef, p.byStatus, p.byBlokada, p.typObslugi, p.njm,
       p.percentageDiscount, p.byHardTrStat, p.lTowarRef as lTowarGrupujacyRef
  from PLU p, Towar t
 where t.lTowarWielocenowyRef = p.lTowarRef;

-- Sales ----------------------------------------------------------------------------

create table paragnag (
    lParagRef integer primary key,
    nNrKasy integer not null,
    data integer not null,
    dWartSprzed real not null default 0
);
create index paragnag_data on paragnag (data, nNrKasy);

-- Daily totals that each cash register reports.
create table saleverification (
    cashRegisterNumber integer not null,
    saleDate integer not null,
    saleValue real,
    receiptCount integer,
    primary key (cashRegisterNumber, saleDate)
);

-- Auto-markdown protocol: the stock revalued when a condition price takes effect.
create table Ppa (
    id integer primary key,
    ppa_date integer not null,
    ppa_type integer not null,
    product_id integer not null,
    quantity real not null,
    price_after real,
    price_before real,
    stock_quantity real,
    value_change real
);
create index ppa_product on Ppa (product_id, ppa_date);

-- Devices ----------------------------------------------------------------------

create table Urzadzenie (
    lUrzadzenieRef integer primary key,
    nNrTypuUrz integer not null,            -- 0 cash register, 1 scale, 2 scanner, 3 price checker
    nNrSekcji integer not null default 0,
    nNrKolvenia integer not null default 0,
    sNazwa text,
    bWlaczone integer not null default 1,
    bDostepne integer not null default 1,
    bRozszerzonaTransmisja integer not null default 0,
    bZainstalowane integer not null default 1,
    bCzynne integer not null default 1,
    bTransmisja integer not null default 1
);

create table DefParamUrz (
    nParamId integer primary key,
    sNazwa text not null unique,
    nTyp integer not null,                 -- 0 bool ("0"/"1"), 1 int, 2 text
    sWartoscDomyslna text,
    sOpis text
);

create table ParamUrz (
    lParamUrzRef integer primary key,
    lUrzadzenieRef integer not null,
    nParamId integer not null,
    sWartoscParam text
);
create unique index paramurz_device on ParamUrz (lUrzadzenieRef, nParamId);

-- Service tables ------------------------------------------------------------------

-- Candidate numbers 1 to 100000.
create table sekwencja (
    nLiczba integer primary key
);

-- Change history of operator operations ("Operacje" in the back office's texts).
create table Operacje (
    lOperacjaRef integer primary key,
    dDataCzas real default (julianday('now', 'localtime') - 2415018.5),
    sKlucz text,
    sOpis text,
    sSzczegoly text,
    nTypOperacji integer,
    sUzytkownik text
);

-- New references for rows the back office adds (GetRef): the last one handed out.
create table korvel_ref (
    last_value integer not null
);
insert into korvel_ref (last_value) values (0);

-- Routines ---------------------------------------------------------------------------
-- SQLite has no stored routines: the kernel runs these bodies, Oracle SQL with the
-- parameters as binds. A procedure's statements run in order, atomically; a function
-- is a query whose first column of the first row is its result.

create table korvel_routine (
    name text primary key,   -- lower case; a package routine as package.routine
    kind text not null check (kind in ('procedure', 'function')),
    parameters text not null, -- names in calling order, separated by commas
    body text not null        -- statements separated by semicolons
);

-- The last day for which a product has a stock row; null without one.
insert into korvel_routine (name, kind, parameters, body) values ('laststndate', 'function', 'productId',
'select max(data) from stn where lTowarRef = :productId');

-- Revalues a product's stock at a new sale price on a day: the day's stock row
-- takes the price and the value of its quantity at that price. A day without a
-- row gets one carrying the quantity of the product's last earlier row. The
-- product's last stock date moves forward to the day. A null price changes nothing.
insert into korvel_routine (name, kind, parameters, body) values ('updatestanproc', 'procedure', 'DDATE,TOWARREF,CENASPRZED',
'insert into stn (lTowarRef, data, dStan, dCenaSprzed, dWartoscSprzed)
 select :TOWARREF, floor(:DDATE), coalesce(s.dStan, 0), :CENASPRZED, coalesce(s.dStan, 0) * :CENASPRZED
   from (select max(data) as lastDay from stn where lTowarRef = :TOWARREF and data <= floor(:DDATE)) l
   left join stn s on s.lTowarRef = :TOWARREF and s.data = l.lastDay
  where :CENASPRZED is not null
    and not exists (select 1 from stn where lTowarRef = :TOWARREF and data = floor(:DDATE));
update stn set dCenaSprzed = :CENASPRZED, dWartoscSprzed = dStan * :CENASPRZED
 where lTowarRef = :TOWARREF and data = floor(:DDATE) and :CENASPRZED is not null;
update Towar set dLastStnDate = floor(:DDATE)
 where lTowarRef = :TOWARREF and :CENASPRZED is not null
   and (dLastStnDate is null or dLastStnDate < floor(:DDATE))');

-- Before every PLU is sent to the devices again: new PLUs become ordinary,
-- PLUs to be deleted become deleted (blocked ones keep their state), and no
-- product waits for sending any more. Unsent sale-price conditions stay unsent.
insert into korvel_routine (name, kind, parameters, body) values ('resetplutransmissionflags', 'procedure', '',
'update PLU set byStatus = 2 where byStatus = 1 and coalesce(byBlokada, 0) <> 1;
update PLU set byStatus = 4 where byStatus = 3 and coalesce(byBlokada, 0) <> 1;
update Towar set bySendNat = 0, bySendWiecz = 0 where bySendNat <> 0 or bySendWiecz <> 0');

-- Appends one row to the auto-markdown protocol. par_price1 is the price after
-- the change, par_price2 the price before; the value change is the quantity
-- times their difference, to the grosz.
insert into korvel_routine (name, kind, parameters, body) values ('ppa.appendppa', 'procedure',
'par_date,par_ppaType,par_productRef,par_quantity,par_price1,par_price2,productStockQuantity',
'insert into Ppa (ppa_date, ppa_type, product_id, quantity, price_after, price_before, stock_quantity, value_change)
 values (floor(:par_date), :par_ppaType, :par_productRef, :par_quantity, :par_price1, :par_price2,
         :productStockQuantity, round(:par_quantity * (:par_price1 - :par_price2), 2))');

-- A product's margin in percent of its purchase price: the average of the own
-- margins (Towar.nMarza) set in the product's group, or the shop's 25 percent.
insert into korvel_routine (name, kind, parameters, body) values ('margin.getproductmargin', 'function', 'productId',
'select coalesce(
    (select round(avg(g.nMarza), 2)
       from Towar t, Towar g
      where t.lTowarRef = :productId and g.sGrIndex = t.sGrIndex and g.nMarza is not null),
    25)
  from dual');

-- The purchase price a product probably costs, to four decimals.
-- Services (product type 1) cost nothing. Algorithm 'WARUNKI_ZAKUPU' takes the
-- newest purchase condition of the main supplier valid on the day; otherwise,
-- and when there is none, the net sale price (gross less VAT) is taken back by
-- the margin: net / (1 + margin / 100). Without a sale price the answer is null.
insert into korvel_routine (name, kind, parameters, body) values ('purchasepricegetter.predictproductpurchaseprice', 'function',
'productId,currentDate,salePrice,margin,vatRate,mainSupplierRef,productType,algorithm',
'select case
          when :productType = 1 then 0
          else coalesce(
            case when upper(:algorithm) = ''WARUNKI_ZAKUPU'' then
              (select wz.dCenaZak from warzak wz
                where wz.lWarZakRef = (
                  select max(c.lWarZakRef) from warzak c
                   where c.lTowarRef = :productId and c.lOdFirmaRef = :mainSupplierRef
                     and (c.DataDo is null or c.DataDo >= floor(:currentDate))
                     and c.DataOd = (
                       select max(d.DataOd) from warzak d
                        where d.lTowarRef = :productId and d.lOdFirmaRef = :mainSupplierRef
                          and d.DataOd <= floor(:currentDate)
                          and (d.DataDo is null or d.DataDo >= floor(:currentDate)))))
            end,
            case when :salePrice is null or coalesce(:margin, 0) <= -100 then null
                 else round(:salePrice
                            / (1 + coalesce((select v.dStawka from StawkaVat v where v.byVAT = :vatRate), 0) / 100.0)
                            / (1 + coalesce(:margin, 0) / 100.0), 4)
            end)
        end
  from dual');

-- Cash-register dictionaries and the host's stored properties -----------------------

create table Country (
    id integer primary key,
    code text not null,                      -- ISO 3166 alpha-2
    name text not null,
    activityStatus integer not null default 0  -- 2: inactive, never sent to the registers
);

-- Why customers return goods.
create table ReturnReason (
    id integer primary key,
    name text not null,
    deleted integer not null default 0
);

create table FormaPlatnosci (
    lFormaPlatnosciRef integer primary key,
    sGuid text not null unique,
    sNazwa text not null,
    nRodzaj integer not null default 0,      -- 0 cash, 1 card, 2 voucher, 3 credit, 4 transfer
    bReszta integer not null default 0       -- the register may give change
);

-- Named values shared by every computer of the shop ("1"/"0" for booleans).
create table StoredProperty (
    name text primary key,
    value text
);

-- Blocked vouchers, daily turnover -------------------------------------------------

-- The host's database text log: reports of operations, grouped by a log key.
create table db_text_log (
    id integer primary key,
    log_key text not null,
    title text not null,
    log_level text not null default 'info',
    entry_time real not null default (julianday('now', 'localtime') - 2415018.5),
    text text
);
create index db_text_log_key on db_text_log (log_key, id);

-- Exports to the financial-accounting system ("FK"): the day each one covered.
create table fk_export (
    export_id integer primary key,
    export_date integer not null
);

-- Promotions -----------------------------------------------------------------------

-- A promotion: the conditions a receipt must meet (elements) and the profits it then
-- grants. send_status: 0 new, 1 sent, 2 modified since sent (the back office sets 2
-- when it changes a sent promotion).
create table Promotion (
    id integer primary key,
    name text not null default '',
    sale_date_from integer,
    sale_date_to integer,
    start_time integer not null default 0,
    end_time integer not null default 86399,
    multiple integer not null default 0,
    guid text not null,
    promotion_number text not null default '',
    cancelled integer not null default 0,
    cashier_message text,
    activators_xml text,
    tags_xml text,
    simple integer not null default 0,
    welcome integer not null default 0,
    priority integer,
    send_status integer not null default 0
);
create unique index promotion_guid on Promotion (guid);
create index promotion_send_status on Promotion (send_status);

-- One condition or profit of a promotion, in the order seq; kind names the element
-- kind, the other columns hold what that kind uses.
create table PromotionElement (
    id integer primary key,
    promotion_id integer not null,
    seq integer not null default 0,
    kind text not null,
    quantity_threshold real,
    value_threshold real,
    value_threshold_offset real,
    payment_id integer,
    pattern text,
    frequency_period integer,
    frequency_threshold integer,
    frequency_threshold_offset integer,
    name text,
    guid text,
    rebate_type integer,
    accomplishment_type integer not null default 0,
    rebate_value real,
    rebate_percent real,
    product_id integer,
    group_index text,
    quantity real,
    premium_price real,
    present_id integer,
    ticket_activation_days integer,
    ticket_expiry_days integer,
    ticket_tag text,
    handling_mode integer
);
create index promotion_element_promotion on PromotionElement (promotion_id, seq);

-- The products and groups an element names, in the order seq.
create table PromotionElementItem (
    element_id integer not null,
    seq integer not null default 0,
    product_id integer,
    group_index text
);
create index promotion_element_item_element on PromotionElementItem (element_id, seq);

-- Receipt header and footer pictures of the cash registers, referred to by the
-- registers' lObrazekNaglowka / lObrazekStopki parameters: one bit per dot, rows of
-- nSzerokosc / 8 bytes (nSzerokosc a multiple of 8), the first dot in the high bit,
-- a set bit printed black; sDane holds the bytes as upper-case hexadecimal text.
create table ObrazekParagonu (
    lObrazekRef integer primary key,
    nSzerokosc integer not null,
    nWysokosc integer not null,
    sDane text not null
);

-- The members of a product set, live ones in order, read from the index alone: the
-- composition of every sent record lists them.
create index productsetlink_live_members on ProductProductSetLink (ProductSetId, Deleted, ProductId);
