#include "dialogs/deviceconfig/ControlBindings.h"

#include <algorithm>

#include "core/Errors.h"
#include "core/I18n.h"
#include "devicedefs/Urzadzenie.h"

namespace Kolvenia::DeviceConfig {

namespace {

using K = ControlKind;

// Host contract: the message of a control without a valid binding.
constexpr const char* InvalidBindings = "Nie ustalono poprawnie tagów komponentów.";

// Host contract: the pages and their captions; the self-checkout kinds in their order.
const std::vector<ControlBinding>& table() {
    static const std::vector<ControlBinding> bindings{
        {tuKasa, "Kasy", "Rabaty procentowe", "cbxRabatParagonDozwolony", "Rabat od sumy paragonu dozwolony", K::Check,
         "bRabatParagonDozwolony"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatParagonSugerowany", "Sugerowany rabat od sumy paragonu (%)",
         K::Number, "nRabatParagonSugerowany"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatParagonMaksymalny", "Maksymalny rabat od sumy paragonu (%)",
         K::Number, "nRabatParagonMaksymalny"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatParagonPoziomKlucza", "Poziom klucza kasjera (rabat od sumy)",
         K::Number, "nRabatParagonPoziomKlucza"},
        {tuKasa, "Kasy", "Rabaty procentowe", "cbxRabatPozycjaDozwolony", "Rabat na pozycję dozwolony", K::Check,
         "bRabatPozycjaDozwolony"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatPozycjaSugerowany", "Sugerowany rabat na pozycję (%)",
         K::Number, "nRabatPozycjaSugerowany"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatPozycjaMaksymalny", "Maksymalny rabat na pozycję (%)",
         K::Number, "nRabatPozycjaMaksymalny"},
        {tuKasa, "Kasy", "Rabaty procentowe", "EditRabatPozycjaPoziomKlucza",
         "Poziom klucza kasjera (rabat na pozycję)", K::Number, "nRabatPozycjaPoziomKlucza"},
        {tuKasa, "Kasy", "Anulowania", "cbxAnulowanieOstatniejPozycji", "Anulowanie ostatniej pozycji dozwolone",
         K::Check, "bAnulowanieOstatniejPozycji"},
        {tuKasa, "Kasy", "Anulowania", "cbxAnulowanieDowolnejPozycji", "Anulowanie dowolnej pozycji dozwolone",
         K::Check, "bAnulowanieDowolnejPozycji"},
        {tuKasa, "Kasy", "Anulowania", "cbxAnulowanieParagonu", "Anulowanie całego paragonu dozwolone", K::Check,
         "bAnulowanieParagonu"},
        {tuKasa, "Kasy", "Anulowania", "EditAnulowanieLimitBezKlucza", "Limit anulowań bez klucza", K::Number,
         "nAnulowanieLimitBezKlucza"},
        {tuKasa, "Kasy", "Anulowania", "EditAnulowaniePoziomKlucza", "Poziom klucza ponad limit", K::Number,
         "nAnulowaniePoziomKlucza"},
        {tuKasa, "Kasy", "Inne operacje", "cbxWplaty", "Wpłaty do kasy", K::Check, "bWplatyDozwolone"},
        {tuKasa, "Kasy", "Inne operacje", "cbxWyplaty", "Wypłaty z kasy", K::Check, "bWyplatyDozwolone"},
        {tuKasa, "Kasy", "Inne operacje", "cbxZwroty", "Zwroty towarów", K::Check, "bZwrotyDozwolone"},
        {tuKasa, "Kasy", "Nagłówek / stopka", "EditPoziomKluczaRaportPodgladu", "Poziom klucza dla raportu podglądu",
         K::Number, "nPoziomKluczaRaportPodgladu"},
        {tuKasa, "Kasy", "Nagłówek / stopka", "EditPoziomKluczaZamknieciaZmiany", "Poziom klucza dla zamknięcia zmiany",
         K::Number, "nPoziomKluczaZamknieciaZmiany"},
        {tuKasa, "Kasy", "Nagłówek / stopka", "EditWyswietlaczKasjera", "Wyświetlacz kasjera", K::Text,
         "sWyswietlaczKasjera"},
        {tuKasa, "Kasy", "Nagłówek / stopka", "MemoNaglowek", "Nagłówek paragonu", K::Lines, "sNaglowekParagonu"},
        {tuKasa, "Kasy", "Nagłówek / stopka", "MemoStopka", "Stopka paragonu", K::Lines, "sStopkaParagonu"},
        {tuKasa, "Kasy", "Obrazek nagłówka", "ImageNaglowek", "Obrazek nagłówka", K::Picture, "lObrazekNaglowka"},
        {tuKasa, "Kasy", "Obrazek stopki", "ImageStopka", "Obrazek stopki", K::Picture, "lObrazekStopki"},
        {tuKasa, "Kasy", "Inne", "cbxKasaZintegrowana", "Kasa zintegrowana", K::Check, "bKasaZintegrowana"},
        {tuKasa, "Kasy", "Inne", "cbxKasaPaliwowa", "Kasa paliwowa", K::Check, "bKasaPaliwowa"},
        {tuKasa,
         "Kasy",
         "Inne",
         "cmbKasaSCO",
         "Kasa samoobsługowa",
         K::Choice,
         "nKasaSCO",
         0,
         {"Brak", "Wincor Nixdorf TPiSCAN", "Dravon"}},
        {tuKasa, "Kasy", "Inne", "cbxKasaInternetowa", "Kasa internetowa", K::Check, "bKasaInternetowa"},
        {tuWaga, "Wagi", "", "EditMaksLiczbaPLU", "Maksymalna liczba PLU na wadze", K::Number, "nMaksymalnaLiczbaPLU"},
        {tuWaga, "Wagi", "", "MemoNaglowekWagi", "Tekst nagłówka dla wagi", K::Lines, "sNaglowekWagi"},
        {tuWaga, "Wagi", "", "EditOkresPrzydatnosci", "Domyślny okres przydatności (dni)", K::Number,
         "nDomyslnyOkresPrzydatnosci"},
        {tuWaga, "Etykiety", "", "EditPlikEtykiet", "Plik etykiet", K::File, "sPlikEtykiet"},
        {tuWaga, "Etykiety", "", "EditKatalogLogu", "Katalog logu błędów wysyłania do etykiet", K::Directory,
         "sKatalogLoguEtykiet"},
        {tuWaga, "Etykiety", "", "EditWysokoscEtykiety", "Wysokość drukowanej etykiety (cm)", K::Text,
         "sWysokoscEtykiety"},
        {tuWaga, "Etykiety", "", "EditOkresSprawdzaniaLogu", "Okres sprawdzania logu (s)", K::Number,
         "nOkresSprawdzaniaLogu"},
        {tuSkaner, "Skanery", "", "EditPortCOM", "Port COM", K::Number, "nPortCOM"},
        {tuSkaner, "Skanery", "", "EditPredkosc", "Prędkość transmisji", K::Number, "nPredkoscTransmisji"},
        {tuSkaner, "Skanery", "", "EditBityDanych", "Bity danych", K::Number, "nBityDanych"},
        {tuSkaner, "Skanery", "", "EditBityParzystosci", "Bity parzystości", K::Text, "sBityParzystosci"},
        {tuSkaner, "Skanery", "", "EditBityStopu", "Bity stopu", K::Number, "nBityStopu"},
        {tuSkaner, "Skanery", "", "cbxKodyPSC", "Kody PSC", K::Check, "bKodyPSC"},
        {tuSkaner, "Skanery", "", "EditWzorzecAddOn", "Pomijanie add-onów. Wzorzec:", K::Text, "sWzorzecAddOn"},
    };
    return bindings;
}

[[noreturn]] void invalidBindings(const char* function) {
    throw Core::PlacedRuntimeError(Core::I18n::translate(InvalidBindings), CORE_SRC_INFO(function));
}

}  // namespace

std::vector<ControlBinding> resolvedBindings(const CParametryUrzadzen& definitions) {
    std::vector<ControlBinding> bindings = table();
    for (ControlBinding& binding : bindings) {
        try {
            binding.paramId = definitions.getParamId(binding.parameter);
        } catch (const std::runtime_error&) {
            invalidBindings("DeviceConfig::resolvedBindings");
        }
    }
    return bindings;
}

void checkControls(const std::vector<ControlBinding>& bindings, const std::vector<std::string>& controls) {
    for (const std::string& control : controls) {
        const bool bound = std::any_of(bindings.begin(), bindings.end(), [&](const ControlBinding& binding) {
            return binding.control == control && binding.paramId != 0;
        });
        if (!bound) invalidBindings("DeviceConfig::checkControls");
    }
}

}  // namespace Kolvenia::DeviceConfig
