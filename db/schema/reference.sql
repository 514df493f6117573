-- Reference data of every shop database, the same on each engine.

insert into sekwencja (nLiczba)
with recursive numbers (n) as (
    select 1
    union all
    select n + 1 from numbers where n < 100000
)
select n from numbers;

insert into StawkaVat (byVAT, sSymbol, sLitera, dStawka, bZwolniona) values
    (1, '23', 'A', 23, 0),
    (2, '8', 'B', 8, 0),
    (3, '5', 'C', 5, 0),
    (4, '0', 'D', 0, 0),
    (5, 'zw', 'E', 0, 1);

insert into JednostkaMiary (nJm, sSymbol, sNazwa, bPodzielna) values
    (1, 'szt', 'sztuka', 0),
    (2, 'l', 'litr', 1),
    (3, 'kg', 'kilogram', 1),
    (4, 'opak', 'opakowanie', 0);

insert into ProductActivityStatus (productActivityStatusId, name, SaleBlocked) values
    (0, 'Aktywny', 0),
    (1, 'Wycofywany', 0),
    (2, 'Wycofany', 1),
    (3, 'Zablokowany do sprzedaży', 1);

-- Device parameters. Types: 0 bool ("0" or "1"), 1 int, 2 text.
insert into DefParamUrz (nParamId, sNazwa, nTyp, sWartoscDomyslna, sOpis) values
    (1, 'bKasaZintegrowana', 0, '0', 'Kasa zintegrowana: przyjmuje dane bez plików serwera kasowego'),
    (2, 'bKasaPaliwowa', 0, '0', 'Kasa paliwowa'),
    (3, 'nKasaSCO', 1, '0', 'Rodzaj kasy samoobsługowej: 0 brak, 1 Wincor Nixdorf TPiSCAN, 2 Dravon'),
    (4, 'bKasaInternetowa', 0, '0', 'Kasa internetowa'),
    (10, 'bRabatParagonDozwolony', 0, '1', 'Rabat procentowy od sumy paragonu dozwolony'),
    (11, 'nRabatParagonSugerowany', 1, '0', 'Sugerowany rabat od sumy paragonu (%)'),
    (12, 'nRabatParagonMaksymalny', 1, '10', 'Maksymalny rabat od sumy paragonu (%)'),
    (13, 'nRabatParagonPoziomKlucza', 1, '1', 'Poziom klucza kasjera dla rabatu od sumy paragonu'),
    (14, 'bRabatPozycjaDozwolony', 0, '1', 'Rabat procentowy na pozycję dozwolony'),
    (15, 'nRabatPozycjaSugerowany', 1, '0', 'Sugerowany rabat na pozycję (%)'),
    (16, 'nRabatPozycjaMaksymalny', 1, '10', 'Maksymalny rabat na pozycję (%)'),
    (17, 'nRabatPozycjaPoziomKlucza', 1, '1', 'Poziom klucza kasjera dla rabatu na pozycję'),
    (20, 'bAnulowanieOstatniejPozycji', 0, '1', 'Anulowanie ostatniej pozycji dozwolone'),
    (21, 'bAnulowanieDowolnejPozycji', 0, '1', 'Anulowanie dowolnej pozycji dozwolone'),
    (22, 'bAnulowanieParagonu', 0, '1', 'Anulowanie całego paragonu dozwolone'),
    (23, 'nAnulowanieLimitBezKlucza', 1, '1', 'Liczba anulowań bez klucza kierownika'),
    (24, 'nAnulowaniePoziomKlucza', 1, '2', 'Poziom klucza dla anulowań ponad limit'),
    (30, 'bWplatyDozwolone', 0, '1', 'Wpłaty do kasy dozwolone'),
    (31, 'bWyplatyDozwolone', 0, '1', 'Wypłaty z kasy dozwolone'),
    (32, 'bZwrotyDozwolone', 0, '1', 'Zwroty towarów dozwolone'),
    (40, 'nPoziomKluczaRaportPodgladu', 1, '2', 'Poziom klucza dla raportu podglądu'),
    (41, 'nPoziomKluczaZamknieciaZmiany', 1, '2', 'Poziom klucza dla zamknięcia zmiany'),
    (42, 'sWyswietlaczKasjera', 2, '', 'Tekst wyświetlacza kasjera'),
    (43, 'sNaglowekParagonu', 2, '', 'Tekst nagłówka paragonu'),
    (44, 'sStopkaParagonu', 2, '', 'Tekst stopki paragonu'),
    (45, 'lObrazekNaglowka', 1, '', 'Obrazek nagłówka paragonu (odnośnik zapisanego obrazka)'),
    (46, 'lObrazekStopki', 1, '', 'Obrazek stopki paragonu (odnośnik zapisanego obrazka)'),
    (130, 'nMaksymalnaLiczbaPLU', 1, '2000', 'Maksymalna liczba PLU na wadze'),
    (131, 'sNaglowekWagi', 2, '', 'Tekst nagłówka drukowany przez wagę'),
    (133, 'nDomyslnyOkresPrzydatnosci', 1, '', 'Domyślny okres przydatności towaru do spożycia (dni)'),
    (140, 'sPlikEtykiet', 2, '', 'Plik etykiet (*.seq)'),
    (141, 'sKatalogLoguEtykiet', 2, '', 'Katalog logu błędów wysyłania do etykiet'),
    (142, 'sWysokoscEtykiety', 2, '', 'Wysokość drukowanej etykiety (cm)'),
    (143, 'nOkresSprawdzaniaLogu', 1, '60', 'Okres sprawdzania logu (s)'),
    (150, 'nPortCOM', 1, '1', 'Port COM skanera'),
    (151, 'nPredkoscTransmisji', 1, '9600', 'Prędkość transmisji skanera'),
    (152, 'nBityDanych', 1, '8', 'Bity danych skanera'),
    (153, 'sBityParzystosci', 2, 'N', 'Bity parzystości skanera: N, E, O'),
    (154, 'nBityStopu', 1, '1', 'Bity stopu skanera'),
    (155, 'bKodyPSC', 0, '0', 'Skaner odczytuje kody PSC'),
    (156, 'sWzorzecAddOn', 2, '', 'Pomijanie add-onów: wzorzec');
