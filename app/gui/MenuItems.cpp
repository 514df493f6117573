#include "MenuItems.h"

#include <map>

#include "frame/ActionGuids.h"

namespace Korvel::Gui {

namespace G = Kolvenia::ActionGuids;

const std::vector<MenuItem>& moduleMenuItems() {
    // Host contract: the menu paths of the window actions.
    static const std::vector<MenuItem> items{
        {".miTransmisje.miPrzeslaniePLU", G::SendPluBrowser},
        {".miTransmisje.miPrzeslanieWszystkichPLU", G::SendAllPluDialog},
        {".miTransmisje.miZaawansowanieTransmisji", G::TransmissionProgressDialog},
        {".miTransmisje.miPrzeslanieWszystkichDanych", G::SendAllData},
        {".miTransmisje.miPrzeslaniePanstw", G::SendAllCountriesToSelectedCashRegisters},
        {".miTransmisje.miPrzeslaniePowodowZwrotow", G::SendAllReturnReasons},
        {".miTransmisje.miPrzeslanieJednostekMiar", G::SendMeasureUnitsDialog},
        {".miTransmisje.miPrzeslaniePlatnosciNaKase", G::SendPayments},
        {".miTransmisje.miPrzeslanieKonfiguracjiPlu", G::SendPluConfigDialog},
        {".miTransmisje.miPrzeslanieStawekVat", G::SendVatRates},
        {".miSpisy.miDictionaries.miAutomaticDiscountTypesBrowser.miWyslij", G::SendDiscountsFromDiscountTypesBrowser},
        {".miInne.miKonfiguracja.miKonfUrz", G::DeviceConfigurationDialog},
        {".miInne.miFunkSerwis.miAllPrzeslaniePriceChecker", G::SendAllPriceCheckerDialog},
        {".miInne.miFunkSerwis.miElectonicLabelsStockExport", G::ElectronicLabelsStockExportDialog},
        // The promotion windows have no item of their own in the back office; here they
        // hang under one submenu of the transmissions.
        {".miTransmisje.miPromocje.miPrzeslanieWybranychPromocji", G::SendPredefinedPromotionsWithRefGui},
        {".miTransmisje.miPromocje.miPrzeslaniePromocji", G::SendPromotionWithRefGui},
        {".miTransmisje.miPromocje.miPrzeslanieNowychPromocji", G::SendNewAndModifiedPromotionsGui},
    };
    return items;
}

std::vector<std::string> menuPathNames(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t dot = path.find('.', start);
        if (dot == std::string::npos) dot = path.size();
        if (dot > start) names.push_back(path.substr(start, dot - start));
        start = dot + 1;
    }
    return names;
}

std::string menuCaption(const std::string& name) {
    static const std::map<std::string, std::string> captions{
        {"miTransmisje", "&Transmisje"},
        {"miPrzeslaniePLU", "Przesłanie &PLU"},
        {"miPrzeslanieWszystkichPLU", "Przesłanie &wszystkich PLU"},
        {"miZaawansowanieTransmisji", "&Zaawansowanie transmisji"},
        {"miPrzeslanieWszystkichDanych", "Przesłanie wszystkich &danych"},
        {"miPrzeslaniePanstw", "Przesłanie p&aństw"},
        {"miPrzeslaniePowodowZwrotow", "Przesłanie powodów &zwrotów"},
        {"miPrzeslanieJednostekMiar", "Przesłanie &jednostek miar"},
        {"miPrzeslaniePlatnosciNaKase", "Przesłanie płat&ności na kasę"},
        {"miPrzeslanieKonfiguracjiPlu", "Przesłanie &konfiguracji PLU"},
        {"miPrzeslanieStawekVat", "Przesłanie stawek &VAT"},
        {"miSpisy", "&Spisy"},
        {"miDictionaries", "&Słowniki"},
        {"miAutomaticDiscountTypesBrowser", "&Typy rabatów automatycznych"},
        {"miWyslij", "&Wyślij do kas"},
        {"miInne", "&Inne"},
        {"miKonfiguracja", "&Konfiguracja"},
        {"miKonfUrz", "Konfiguracja &urządzeń"},
        {"miFunkSerwis", "&Funkcje serwisowe"},
        {"miAllPrzeslaniePriceChecker", "Przesłanie wszystkiego do &czytników cen"},
        {"miElectonicLabelsStockExport", "&Eksport stanów do etykiet elektronicznych"},
        {"miPromocje", "P&romocje"},
        {"miPrzeslanieWybranychPromocji", "Przesłanie &wybranych promocji"},
        {"miPrzeslaniePromocji", "Przesłanie &jednej promocji"},
        {"miPrzeslanieNowychPromocji", "Przesłanie &nowych i zmienionych promocji"},
    };
    const auto found = captions.find(name);
    return found == captions.end() ? name : found->second;
}

}  // namespace Korvel::Gui
