-- The shop database on PostgreSQL.
--
-- Names are written unquoted, so the engine folds them to lower case and the
-- back office's mixed-case names (lTowarRef, byStatus, ...) find them.
-- Dates are day numbers of the host's date type: whole days since
-- 30 December 1899; a time of day is the fractional part. Day columns hold
-- whole days (integer); prices and quantities are numeric.
-- Columns that the back office may leave out are nullable or have defaults.

-- Dictionaries ---------------------------------------------------------------

create table StawkaVat (
    byVAT smallint primary key,
    sSymbol varchar(4) not null,          -- shown on receipts: 23, 8, 5, 0, zw
    sLitera varchar(1) not null,          -- the fiscal printer's rate letter
    dStawka numeric not null default 0,   -- percent
    bZwolniona smallint not null default 0,
    DataOd integer not null default 0,
    DataDo integer
);

create table JednostkaMiary (
    nJm integer primary key,
    sSymbol varchar(10) not null,
    sNazwa varchar(40) not null,
    bPodzielna smallint not null default 0  -- sold in fractions (weighed, poured)
);

create table ProductActivityStatus (
    productActivityStatusId integer primary key,
    name varchar(40) not null,
    SaleBlocked smallint not null default 0
);

create table Brand (
    id integer primary key,
    name varchar(60) not null
);

create table Firma (
    lFirmaRef integer primary key,
    sNazwa varchar(100) not null,
    sKrNazwa varchar(20),
    sNip varchar(13),
    bDostawca smallint not null default 1,
    bFirmaWlasna smallint not null default 0,                   -- the shop's own company
    SplittableVatSaleOnSiteAllowed smallint not null default 0
);

-- Attributes of companies, by name ("Refundacja" = "TAK" marks a refunded supplier).
create table FirmaAtrybut (
    lFirmaRef integer not null,
    sNazwa varchar(60) not null,
    sWartosc varchar(255),
    primary key (lFirmaRef, sNazwa)
);
create index firmaatrybut_value on FirmaAtrybut (sNazwa, sWartosc);

-- Kinds of financial transactions that registers sell as products (top-ups, bill payments).
create table FinancialTransactionType (
    id integer primary key,
    guid varchar(38) not null,
    definition varchar(255)
);

create table AutomaticDiscountType (
    id integer primary key,
    name varchar(60) not null,
    isActive smallint not null default 1
);

-- Products and their codes -----------------------------------------------------

create table Towar (
    lTowarRef integer primary key,
    sNazwa varchar(100),
    skrNazwa varchar(40),
    sArtIndex varchar(20),
    sGrIndex varchar(10),
    sPKWiU varchar(20),
    byTyp smallint not null default 0,
    byVAT smallint,
    alternativeVatRate integer,
    OnSiteVatRateId integer,
    VatSplittableProductId integer,
    VatSplittableValuePercentage numeric,
    byRabatowy smallint not null default 1,
    dCenaSprzed numeric,
    lPromocjaRef bigint,
    bySendNat smallint not null default 0,
    bySendWiecz smallint not null default 0,
    bWieleCen smallint not null default 0,
    lTowarWielocenowyRef integer,         -- the several-price product this one is an element of
    multiPriceElementSaleLocked smallint not null default 0,
    locally_sale_blocked smallint not null default 0,
    bWagowy smallint not null default 0,
    nWagaSekcja integer,
    nWagaPLU integer,
    byWeightType smallint,
    nWeightTolerance integer,
    nSecurityWeight integer,
    bWieleWydan smallint not null default 0,
    bCenaOtwarta smallint not null default 0,
    byElEtyk smallint,
    nJmSprz integer,
    nJmPrzelicznik integer,
    dPrzelicznik numeric,
    nOkresPrzydatnosci integer,
    nStatusAktywnosci integer not null default 0,
    DutyFreeZoneRestrictions integer,
    DutyFreeZoneVatRatesHandling integer,
    FinancialTransactionTypeId integer,
    lOpakRef integer,
    nPurchaseAgeLimit integer,
    nSaleAgeLimit integer,
    bIncreasedRisk smallint,
    bSelfServiceNotAllowed smallint,
    brandId integer,
    alternative_Prices_Allowed smallint not null default 0,
    successor_id integer,
    dLastStnDate integer,
    lGlownyDostawcaRef integer,
    nMarza numeric
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
    sPLU varchar(20) not null,
    lTowarRef integer not null,
    byStatus smallint not null default 1,   -- 1 new, 2 ordinary, 3 to be deleted, 4 deleted
    byBlokada smallint default 0,           -- 1 blocked; null counts as 0
    typObslugi smallint,
    njm integer,
    percentageDiscount numeric,
    byHardTrStat smallint default 0
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
    dCenaSprzed numeric,
    byCenaWyslana smallint not null default 0,
    lPromoRef bigint,
    alternative_Prices text
);
create index warsprz_towar on WarSprz (lTowarRef, byCenaWyslana, DataOd, DataDo);
create index warsprz_unsent on WarSprz (byCenaWyslana, DataOd);

create table Product_Current_Sale_Params (
    product_id integer primary key,
    sale_price numeric,
    simplified_promotion_id bigint,
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
    name varchar(60) not null,
    value varchar(200),
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
    dPrzelicznikJm2base numeric not null default 1,
    primary key (lTowarRef, njm)
);

-- Stock by day; dStan is the quantity held at the end of the day.
create table stn (
    lTowarRef integer not null,
    data integer not null,
    dStan numeric not null default 0,
    dCenaSprzed numeric,
    dWartoscSprzed numeric,
    primary key (lTowarRef, data)
);

-- Split bundles: the components of a bundle product (Towar.byTyp 8).
create table Zestaw (
    lMasterTowarRef integer not null,
    lTowarRef integer not null,
    dIlosc numeric not null default 1,
    dSkladnikCenaSprzed numeric,
    primary key (lMasterTowarRef, lTowarRef)
);

create table ProductSet (
    id integer primary key,
    name varchar(100),
    Deleted smallint not null default 0
);

create table ProductProductSetLink (
    ProductId integer not null,
    ProductSetId integer not null,
    Deleted smallint not null default 0,
    primary key (ProductId, ProductSetId)
);
-- A product's composition lists the other members of its sets, for every PLU sent.
create index productsetlink_set on ProductProductSetLink (ProductSetId, ProductId);

-- Purchase conditions of suppliers.
create table warzak (
    lWarZakRef integer primary key,
    lTowarRef integer not null,
    lOdFirmaRef integer,
    dCenaZak numeric,
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
    dIlosc numeric,
    dCenaZak numeric
);
create index dostawa_towar on Dostawa (lTowarRef, data);

create table prezent (
    lPremiaBonPrezentRef integer primary key,
    sNazwa varchar(100)
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
    dWartSprzed numeric not null default 0
);
create index paragnag_data on paragnag (data, nNrKasy);

-- Daily totals that each cash register reports.
create table saleverification (
    cashRegisterNumber integer not null,
    saleDate integer not null,
    saleValue numeric,
    receiptCount integer,
    primary key (cashRegisterNumber, saleDate)
);

-- Auto-markdown protocol: the stock revalued when a condition price takes effect.
create table Ppa (
    id bigint generated by default as identity primary key,
    ppa_date integer not null,
    ppa_type smallint not null,
    product_id integer not null,
    quantity numeric not null,
    price_after numeric,
    price_before numeric,
    stock_quantity numeric,
    value_change numeric
);
create index ppa_product on Ppa (product_id, ppa_date);

-- Devices ----------------------------------------------------------------------

create table Urzadzenie (
    lUrzadzenieRef integer primary key,
    nNrTypuUrz integer not null,            -- 0 cash register, 1 scale, 2 scanner, 3 price checker
    nNrSekcji integer not null default 0,
    nNrKolvenia integer not null default 0,
    sNazwa varchar(60),
    bWlaczone smallint not null default 1,
    bDostepne smallint not null default 1,
    bRozszerzonaTransmisja smallint not null default 0,
    bZainstalowane smallint not null default 1,
    bCzynne smallint not null default 1,
    bTransmisja smallint not null default 1
);

create table DefParamUrz (
    nParamId integer primary key,
    sNazwa varchar(60) not null unique,
    nTyp smallint not null,                 -- 0 bool ("0"/"1"), 1 int, 2 text
    sWartoscDomyslna varchar(255),
    sOpis varchar(255)
);

create table ParamUrz (
    lParamUrzRef integer primary key,
    lUrzadzenieRef integer not null,
    nParamId integer not null,
    sWartoscParam varchar(4000)
);
create unique index paramurz_device on ParamUrz (lUrzadzenieRef, nParamId);

-- Service tables ------------------------------------------------------------------

-- Candidate numbers 1 to 100000.
create table sekwencja (
    nLiczba integer primary key
);

-- Change history of operator operations ("Operacje" in the back office's texts).
create table Operacje (
    lOperacjaRef bigint generated by default as identity primary key,
    dDataCzas double precision default (extract(epoch from localtimestamp) / 86400 + 25569),
    sKlucz varchar(60),
    sOpis varchar(255),
    sSzczegoly varchar(255),
    nTypOperacji smallint,
    sUzytkownik varchar(60)
);

-- Routines -------------------------------------------------------------------------
-- Parameters take the widest types (bigint, double precision, text) so that
-- whatever the caller binds converts to them implicitly.

-- The last day for which a product has a stock row; null without one.
create function lastStnDate(productId bigint) returns integer
language sql stable as $$
    select max(data) from stn where lTowarRef = productId
$$;

-- Revalues a product's stock at a new sale price on a day: the day's stock row
-- takes the price and the value of its quantity at that price. A day without a
-- row gets one carrying the quantity of the product's last earlier row. The
-- product's last stock date moves forward to the day. A null price changes nothing.
create procedure UPDATESTANPROC(DDATE double precision, TOWARREF bigint, CENASPRZED double precision)
language plpgsql as $$
declare
    stockDay integer := floor(DDATE);
begin
    if CENASPRZED is null then
        return;
    end if;
    insert into stn (lTowarRef, data, dStan, dCenaSprzed, dWartoscSprzed)
    select TOWARREF, stockDay, coalesce(s.dStan, 0), CENASPRZED, coalesce(s.dStan, 0) * CENASPRZED::numeric
      from (select max(data) as lastDay from stn where lTowarRef = TOWARREF and data <= stockDay) l
      left join stn s on s.lTowarRef = TOWARREF and s.data = l.lastDay
    on conflict (lTowarRef, data) do update
       set dCenaSprzed = excluded.dCenaSprzed,
           dWartoscSprzed = stn.dStan * excluded.dCenaSprzed;
    update Towar set dLastStnDate = stockDay
     where lTowarRef = TOWARREF and (dLastStnDate is null or dLastStnDate < stockDay);
end
$$;

-- Before every PLU is sent to the devices again: new PLUs become ordinary,
-- PLUs to be deleted become deleted (blocked ones keep their state), and no
-- product waits for sending any more. Unsent sale-price conditions stay unsent.
create procedure ResetPluTransmissionFlags()
language sql as $$
    update PLU set byStatus = 2 where byStatus = 1 and coalesce(byBlokada, 0) <> 1;
    update PLU set byStatus = 4 where byStatus = 3 and coalesce(byBlokada, 0) <> 1;
    update Towar set bySendNat = 0, bySendWiecz = 0 where bySendNat <> 0 or bySendWiecz <> 0;
$$;

create schema ppa;

-- Appends one row to the auto-markdown protocol. par_price1 is the price after
-- the change, par_price2 the price before; the value change is the quantity
-- times their difference, to the grosz.
create procedure ppa.appendPpa(
    par_date double precision, par_ppaType bigint, par_productRef bigint,
    par_quantity double precision, par_price1 double precision, par_price2 double precision,
    productStockQuantity double precision)
language sql as $$
    insert into Ppa (ppa_date, ppa_type, product_id, quantity, price_after, price_before,
                     stock_quantity, value_change)
    values (floor(par_date), par_ppaType, par_productRef, par_quantity, par_price1, par_price2,
            productStockQuantity, round((par_quantity * (par_price1 - par_price2))::numeric, 2));
$$;

create schema margin;

-- A product's margin in percent of its purchase price: the average of the own
-- margins (Towar.nMarza) set in the product's group, or the shop's 25 percent.
create function margin.getProductMargin(productId bigint) returns numeric
language sql stable as $$
    select coalesce(
        (select round(avg(g.nMarza), 2)
           from Towar t, Towar g
          where t.lTowarRef = productId and g.sGrIndex = t.sGrIndex and g.nMarza is not null),
        25)
$$;

create schema purchasepricegetter;

-- The purchase price a product probably costs, to four decimals.
-- Services (product type 1) cost nothing. Algorithm 'WARUNKI_ZAKUPU' takes the
-- newest purchase condition of the main supplier valid on the day; otherwise,
-- and when there is none, the net sale price (gross less VAT) is taken back by
-- the margin: net / (1 + margin / 100). Without a sale price the answer is null.
create function purchasepricegetter.predictProductPurchasePrice(
    productId bigint, currentDate double precision, salePrice double precision,
    margin double precision, vatRate bigint, mainSupplierRef bigint, productType bigint,
    algorithm text) returns numeric
language plpgsql stable as $$
declare
    priceDay integer := floor(currentDate);
    conditionPrice numeric;
    vatPercent numeric;
begin
    if productType = 1 then
        return 0;
    end if;
    if upper(algorithm) = 'WARUNKI_ZAKUPU' then
        select wz.dCenaZak into conditionPrice
          from warzak wz
         where wz.lTowarRef = productId and wz.lOdFirmaRef = mainSupplierRef
           and wz.DataOd <= priceDay and (wz.DataDo is null or wz.DataDo >= priceDay)
         order by wz.DataOd desc, wz.lWarZakRef desc
         limit 1;
        if conditionPrice is not null then
            return conditionPrice;
        end if;
    end if;
    if salePrice is null or coalesce(margin, 0) <= -100 then
        return null;
    end if;
    select dStawka into vatPercent from StawkaVat where byVAT = vatRate;
    return round(salePrice::numeric / (1 + coalesce(vatPercent, 0) / 100)
                 / (1 + coalesce(margin, 0)::numeric / 100), 4);
end
$$;

-- New references for rows the back office adds (GetRef).
create sequence korvel_ref_seq start with 1;

-- Cash-register dictionaries and the host's stored properties -----------------------

create table Country (
    id integer primary key,
    code varchar(2) not null,                  -- ISO 3166 alpha-2
    name varchar(60) not null,
    activityStatus smallint not null default 0  -- 2: inactive, never sent to the registers
);

-- Why customers return goods.
create table ReturnReason (
    id integer primary key,
    name varchar(60) not null,
    deleted smallint not null default 0
);

create table FormaPlatnosci (
    lFormaPlatnosciRef integer primary key,
    sGuid varchar(38) not null unique,
    sNazwa varchar(40) not null,
    nRodzaj smallint not null default 0,       -- 0 cash, 1 card, 2 voucher, 3 credit, 4 transfer
    bReszta smallint not null default 0        -- the register may give change
);

-- Named values shared by every computer of the shop ("1"/"0" for booleans).
create table StoredProperty (
    name varchar(60) primary key,
    value varchar(255)
);

-- Blocked vouchers, daily turnover -------------------------------------------------

-- The host's database text log: reports of operations, grouped by a log key.
create table db_text_log (
    id bigint generated by default as identity primary key,
    log_key text not null,
    title text not null,
    log_level text not null default 'info',
    entry_time double precision not null
        default (extract(epoch from localtimestamp) / 86400.0 + 25569),
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
    id bigint primary key,
    name varchar(100) not null default '',
    sale_date_from integer,
    sale_date_to integer,
    start_time integer not null default 0,
    end_time integer not null default 86399,
    multiple smallint not null default 0,
    guid varchar(38) not null,
    promotion_number varchar(20) not null default '',
    cancelled smallint not null default 0,
    cashier_message varchar(200),
    activators_xml text,
    tags_xml text,
    simple smallint not null default 0,
    welcome smallint not null default 0,
    priority integer,
    send_status smallint not null default 0
);
create unique index promotion_guid on Promotion (guid);
create index promotion_send_status on Promotion (send_status);

-- One condition or profit of a promotion, in the order seq; kind names the element
-- kind, the other columns hold what that kind uses.
create table PromotionElement (
    id bigint primary key,
    promotion_id bigint not null,
    seq integer not null default 0,
    kind varchar(40) not null,
    quantity_threshold numeric,
    value_threshold numeric,
    value_threshold_offset numeric,
    payment_id integer,
    pattern varchar(100),
    frequency_period integer,
    frequency_threshold integer,
    frequency_threshold_offset integer,
    name varchar(100),
    guid varchar(38),
    rebate_type smallint,
    accomplishment_type smallint not null default 0,
    rebate_value numeric,
    rebate_percent numeric,
    product_id integer,
    group_index varchar(10),
    quantity numeric,
    premium_price numeric,
    present_id integer,
    ticket_activation_days integer,
    ticket_expiry_days integer,
    ticket_tag varchar(40),
    handling_mode smallint
);
create index promotion_element_promotion on PromotionElement (promotion_id, seq);

-- The products and groups an element names, in the order seq.
create table PromotionElementItem (
    element_id bigint not null,
    seq integer not null default 0,
    product_id integer,
    group_index varchar(10)
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
