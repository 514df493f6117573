#include "ProductCatalogue.h"

#include <algorithm>

namespace ShopDb {

namespace {

// clang-format off
const ProductGroup bread     {"PIE", 0, "10.71.11.0", Vat5,  0, 3,  0, "mąka, woda, drożdże, sól, zakwas"};
const ProductGroup dairy     {"NAB", 0, "10.51.11.0", Vat5,  0, 0,  0, ""};
const ProductGroup meats     {"WED", 0, "10.13.14.0", Vat5,  1, 7,  0, "mięso wieprzowe 87%, woda, sól, przyprawy naturalne, cukier"};
const ProductGroup cheeses   {"SER", 0, "10.51.40.0", Vat5,  1, 14, 0, "mleko pasteryzowane, sól, kultury bakterii, podpuszczka"};
const ProductGroup produce   {"OWO", 0, "01.24.10.0", Vat5,  2, 0,  0, ""};
const ProductGroup fish      {"RYB", 0, "10.20.25.0", Vat5,  2, 5,  0, "ryba 70%, olej rzepakowy, ocet, cebula, przyprawy"};
const ProductGroup drinks    {"NAP", 0, "11.07.19.0", Vat23, 0, 0,  0, ""};
const ProductGroup alcohol   {"ALK", 0, "11.05.10.0", Vat23, 0, 0,  18, ""};
const ProductGroup sweets    {"SLO", 0, "10.82.22.0", Vat8,  0, 0,  0, ""};
const ProductGroup dryGoods  {"SYP", 0, "10.61.21.0", Vat5,  0, 0,  0, ""};
const ProductGroup coffee    {"KAW", 0, "10.83.11.0", Vat23, 0, 0,  0, ""};
const ProductGroup frozen    {"MRO", 0, "10.85.12.0", Vat8,  0, 0,  0, ""};
const ProductGroup household {"CHE", 0, "20.41.32.0", Vat23, 0, 0,  0, ""};
const ProductGroup cosmetics {"KOS", 0, "20.42.15.0", Vat23, 0, 0,  0, ""};
const ProductGroup press     {"PRA", 0, "58.13.10.0", Vat8,  0, 0,  0, ""};
const ProductGroup services  {"USL", 1, "96.09.19.0", VatExempt, 0, 0, 0, ""};

const PackSize g60{"60 g", Kilogram, 0.06}, g80{"80 g", Kilogram, 0.08}, g50{"50 g", Kilogram, 0.05};
const PackSize g100{"100 g", Kilogram, 0.1}, g150{"150 g", Kilogram, 0.15}, g200{"200 g", Kilogram, 0.2};
const PackSize g250{"250 g", Kilogram, 0.25}, g400{"400 g", Kilogram, 0.4}, g450{"450 g", Kilogram, 0.45};
const PackSize g500{"500 g", Kilogram, 0.5}, g700{"700 g", Kilogram, 0.7}, g750{"750 g", Kilogram, 0.75};
const PackSize kg1{"1 kg", Kilogram, 1}, kg2{"2 kg", Kilogram, 2}, kg4{"4 kg", Kilogram, 4};
const PackSize ml75{"75 ml", Litre, 0.075}, ml200{"200 ml", Litre, 0.2}, ml330{"0,33 l", Litre, 0.33};
const PackSize ml400{"400 ml", Litre, 0.4}, ml500{"0,5 l", Litre, 0.5}, ml700{"0,7 l", Litre, 0.7};
const PackSize ml750{"0,75 l", Litre, 0.75}, l1{"1 l", Litre, 1}, l15{"1,5 l", Litre, 1.5}, l5{"5 l", Litre, 5};
const PackSize bags20{"20 torebek", NoUnit, 0}, bags100{"100 torebek", NoUnit, 0};
const PackSize rolls8{"8 rolek", NoUnit, 0}, rolls16{"16 rolek", NoUnit, 0};

const std::vector<ProductFamily> families{
    {&bread, "Chleb", {"żytni razowy", "pszenny krojony", "wiejski na zakwasie", "słonecznikowy", "orkiszowy", "graham"}, {g500, g700, kg1}, Piece, 3.49, 8.99, 0},
    {&bread, "Bułka", {"kajzerka", "grahamka", "maślana", "z ziarnami"}, {g60, g80}, Piece, 0.49, 1.59, 0},
    {&bread, "Bagietka", {"francuska", "czosnkowa"}, {g250}, Piece, 2.49, 4.99, 0},
    {&dairy, "Mleko", {"UHT 3,2%", "UHT 2%", "świeże 3,2%", "bez laktozy 1,5%"}, {l1, ml500}, Piece, 2.39, 4.99, 12},
    {&dairy, "Masło", {"ekstra 82%", "osełkowe", "klarowane"}, {g200, g250}, Piece, 5.99, 11.99, 0},
    {&dairy, "Jogurt", {"naturalny", "truskawkowy", "grecki", "brzoskwiniowy"}, {g150, g400}, Piece, 1.29, 5.49, 0},
    {&dairy, "Twaróg", {"półtłusty", "tłusty", "chudy"}, {g250}, Piece, 3.49, 6.99, 0},
    {&dairy, "Śmietana", {"18%", "30%", "12%"}, {ml200, ml400}, Piece, 2.19, 6.49, 0},
    {&dairy, "Kefir", {"naturalny", "truskawkowy"}, {ml400, l1}, Piece, 2.29, 4.99, 0},
    {&dairy, "Ser żółty", {"gouda plastry", "edamski plastry", "morski"}, {g150, g250}, Piece, 4.99, 9.99, 0},
    {&meats, "Szynka", {"wiejska", "gotowana", "konserwowa", "z indyka"}, {}, Kilogram, 24.99, 59.99, 0},
    {&meats, "Kiełbasa", {"śląska", "krakowska sucha", "podwawelska", "żywiecka"}, {}, Kilogram, 17.99, 49.99, 0},
    {&meats, "Polędwica", {"sopocka", "łososiowa"}, {}, Kilogram, 39.99, 69.99, 0},
    {&meats, "Schab", {"pieczony", "wędzony"}, {}, Kilogram, 32.99, 54.99, 0},
    {&meats, "Kabanosy", {"wieprzowe", "drobiowe"}, {}, Kilogram, 34.99, 59.99, 0},
    {&cheeses, "Ser", {"gouda", "edamski", "podlaski", "tylżycki", "królewski"}, {}, Kilogram, 24.99, 44.99, 0},
    {&produce, "Jabłka", {"Szampion luz", "Ligol luz", "Gala luz", "Golden luz"}, {}, Kilogram, 2.49, 6.99, 0},
    {&produce, "Gruszki", {"Konferencja luz"}, {}, Kilogram, 4.99, 8.99, 0},
    {&produce, "Pomidory", {"malinowe", "gałązka", "koktajlowe"}, {}, Kilogram, 5.99, 16.99, 0},
    {&produce, "Ogórki", {"gruntowe", "szklarniowe"}, {}, Kilogram, 3.99, 9.99, 0},
    {&produce, "Ziemniaki", {"młode", "jadalne"}, {}, Kilogram, 1.49, 4.99, 0},
    {&produce, "Cebula", {"żółta", "czerwona"}, {}, Kilogram, 1.99, 4.99, 0},
    {&produce, "Banany", {"luz"}, {}, Kilogram, 4.99, 7.99, 0},
    {&fish, "Śledź", {"w oleju", "po kaszubsku", "matjas"}, {}, Kilogram, 19.99, 39.99, 0},
    {&fish, "Makrela", {"wędzona"}, {}, Kilogram, 22.99, 34.99, 0},
    {&drinks, "Woda mineralna", {"niegazowana", "gazowana", "lekko gazowana"}, {ml500, l15, l5}, Piece, 0.99, 5.99, 6},
    {&drinks, "Sok", {"jabłkowy 100%", "pomarańczowy 100%", "multiwitamina"}, {l1, ml330}, Piece, 2.49, 7.99, 0},
    {&drinks, "Napój", {"pomarańczowy gazowany", "cytrynowy", "izotoniczny"}, {ml500, l15}, Piece, 2.29, 6.99, 6},
    {&alcohol, "Piwo", {"jasne pełne", "pszeniczne", "ciemne", "niepasteryzowane"}, {ml500, ml330}, Piece, 2.99, 7.99, 20, true},
    {&alcohol, "Piwo lane", {"jasne", "ciemne"}, {}, Litre, 11.99, 19.99, 0},
    {&alcohol, "Wino", {"czerwone półwytrawne", "białe wytrawne", "różowe półsłodkie"}, {ml750}, Piece, 19.99, 59.99, 0},
    {&alcohol, "Wódka", {"czysta", "żytnia"}, {ml500, ml700}, Piece, 24.99, 49.99, 0},
    {&sweets, "Czekolada", {"mleczna", "gorzka 70%", "mleczna z orzechami", "biała"}, {g100}, Piece, 3.49, 8.99, 0},
    {&sweets, "Cukierki", {"krówki", "owocowe", "michałki"}, {g200, kg1}, Piece, 4.99, 39.99, 0},
    {&sweets, "Wafelki", {"kakaowe", "orzechowe"}, {g50}, Piece, 0.99, 2.49, 0},
    {&sweets, "Ciastka", {"owsiane", "maślane", "z czekoladą"}, {g150}, Piece, 2.99, 6.99, 0},
    {&sweets, "Pierniki", {"toruńskie", "w czekoladzie"}, {g200}, Piece, 5.99, 12.99, 0},
    {&dryGoods, "Mąka", {"pszenna typ 450", "żytnia typ 720", "orkiszowa"}, {kg1}, Piece, 2.49, 7.99, 0},
    {&dryGoods, "Cukier", {"biały", "trzcinowy"}, {kg1}, Piece, 3.49, 9.99, 0},
    {&dryGoods, "Sól", {"kuchenna jodowana", "himalajska"}, {kg1}, Piece, 1.49, 7.99, 0},
    {&dryGoods, "Ryż", {"długoziarnisty", "basmati", "jaśminowy"}, {g400, kg1}, Piece, 2.99, 12.99, 0},
    {&dryGoods, "Makaron", {"świderki", "spaghetti", "nitki rosołowe", "penne"}, {g500}, Piece, 2.49, 7.99, 0},
    {&dryGoods, "Kasza", {"gryczana", "jęczmienna pęczak", "jaglana"}, {g400}, Piece, 2.99, 6.99, 0},
    {&coffee, "Kawa", {"mielona", "ziarnista", "rozpuszczalna"}, {g250, g500, kg1}, Piece, 12.99, 69.99, 0},
    {&coffee, "Herbata", {"czarna ekspresowa", "zielona", "owocowa", "miętowa"}, {bags20, bags100}, Piece, 3.99, 19.99, 0},
    {&frozen, "Pierogi", {"ruskie", "z mięsem", "z kapustą i grzybami"}, {g450}, Piece, 7.99, 14.99, 0},
    {&frozen, "Lody", {"waniliowe", "czekoladowe", "śmietankowe"}, {l1, ml500}, Piece, 7.99, 19.99, 0},
    {&frozen, "Mieszanka warzywna", {"chińska", "meksykańska", "królewska"}, {g450, g750}, Piece, 4.99, 9.99, 0},
    {&household, "Płyn do naczyń", {"cytrynowy", "miętowy", "balsam aloes"}, {ml500, l1}, Piece, 3.99, 9.99, 0},
    {&household, "Proszek do prania", {"kolor", "biel"}, {kg2, kg4}, Piece, 19.99, 49.99, 0},
    {&household, "Mydło w płynie", {"lawendowe", "antybakteryjne"}, {ml500}, Piece, 4.99, 11.99, 0},
    {&household, "Papier toaletowy", {"trzywarstwowy", "rumiankowy"}, {rolls8, rolls16}, Pack, 9.99, 29.99, 0},
    {&cosmetics, "Szampon", {"do włosów suchych", "przeciwłupieżowy", "ziołowy"}, {ml400}, Piece, 8.99, 24.99, 0},
    {&cosmetics, "Pasta do zębów", {"wybielająca", "z fluorem"}, {ml75}, Piece, 4.99, 14.99, 0},
    {&press, "Gazeta", {"codzienna regionalna", "sportowa"}, {}, Piece, 2.50, 4.50, 0},
    {&press, "Tygodnik", {"opinii", "telewizyjny", "kulinarny"}, {}, Piece, 3.99, 9.99, 0},
    {&services, "Usługa", {"pakowania prezentu", "krojenia pieczywa", "dostawy do domu"}, {}, Piece, 1.99, 14.99, 0},
};
// clang-format on

const std::vector<std::string_view> brands{
    "Złoty Kłos",
    "Mazurskie Smaki",
    "Sadownik",
    "Łąkowa",
    "Podlaska Chata",
    "Zagroda Pod Lipą",
    "Kraina Mleka",
    "Bałtycka Fala",
    "Dobre Ziarno",
    "Słoneczny Sad",
    "Wiejska Spiżarnia",
    "Młyn Nadwiślański",
    "Górski Potok",
    "Kuźnia Smaku",
    "Browar Pod Żurawiem",
    "Winnica Świętokrzyska",
    "Cukiernia Bursztyn",
    "Pałacowe Słodkości",
    "Czysty Dom",
    "Perłowa Piana",
    "Zielona Łąka",
    "Stary Młynarz",
    "Jutrzenka",
    "Pod Dębem",
    "Kasztelan Smaku",
    "Żurawinowy Gaj",
    "Świeżynka",
    "Wrzosowisko",
    "Polskie Pola",
    "Gospodarstwo Jędrzejów",
};

const std::vector<Supplier> suppliers{
    {"Hurtownia Spożywcza Kowalczyk sp. z o.o.", "HS Kowalczyk"},
    {"Piekarnia Złoty Kłos s.c.", "Piek. Złoty Kłos"},
    {"Okręgowa Spółdzielnia Mleczarska", "OSM"},
    {"Zakłady Mięsne Łuków S.A.", "ZM Łuków"},
    {"Gospodarstwo Sadownicze Wiśniewscy", "GS Wiśniewscy"},
    {"Przetwórnia Ryb Bałtyk sp. z o.o.", "PR Bałtyk"},
    {"Rozlewnia Wód Górski Potok", "Górski Potok"},
    {"Browar Pod Żurawiem sp. k.", "Browar Żuraw"},
    {"Fabryka Cukrów Bursztyn", "FC Bursztyn"},
    {"Młyny Nadwiślańskie S.A.", "Młyny Nadwiśl."},
    {"Palarnia Kawy Jutrzenka", "PK Jutrzenka"},
    {"Chemia Gospodarcza Perła sp. z o.o.", "CG Perła"},
    {"Kolporter Prasy Północ", "KP Północ"},
    {"Dystrybucja Napojów Żuraw", "DN Żuraw"},
    {"Centrala Zaopatrzenia Sieci", "Centrala"},
};

const std::vector<std::string_view> productSets{
    "Produkty regionalne",  "Bez glutenu", "Produkty wegańskie",  "Oferta weekendowa",
    "Świąteczne przysmaki", "Na grilla",   "Śniadanie do szkoły", "Polskie owoce",
};

const std::vector<std::string_view> gifts{
    "Kubek termiczny", "Torba na zakupy", "Kalendarz ścienny", "Zestaw sztućców piknikowych", "Parasol składany",
};

const std::vector<std::string_view> bundles{
    "Zestaw śniadaniowy", "Zestaw grillowy", "Zestaw upominkowy", "Zestaw studencki", "Kosz świąteczny",
};

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first n characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view text, std::size_t n) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == n) return text.substr(0, i);
    }
    return text;
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) result.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

bool hasDigit(std::string_view word) {
    return std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Words joined by spaces; `compact` leaves out the space after an abbreviation.
std::string joined(const std::vector<std::string>& parts, bool compact = false) {
    std::string text;
    for (const auto& part : parts) {
        if (!text.empty() && !(compact && text.back() == '.')) text += ' ';
        text += part;
    }
    return text;
}

// "500 g" becomes "500g", "0,5 l" becomes "0,5l".
std::vector<std::string> withUnitsJoined(const std::vector<std::string>& parts) {
    std::vector<std::string> result;
    for (const auto& part : parts) {
        if (!result.empty() && hasDigit(result.back()) && !hasDigit(part) && characterCount(part) <= 3)
            result.back() += part;
        else
            result.push_back(part);
    }
    return result;
}

// The longest word of more than four letters and no digits, the first word only when
// no other is left; none when there is no such word.
std::string* nextToAbbreviate(std::vector<std::string>& parts) {
    std::string* longest = nullptr;
    for (std::size_t i = 1; i < parts.size(); ++i)
        if (!hasDigit(parts[i]) && characterCount(parts[i]) > 4 &&
            (!longest || characterCount(parts[i]) > characterCount(*longest)))
            longest = &parts[i];
    if (!longest && !parts.empty() && !hasDigit(parts[0]) && characterCount(parts[0]) > 4) longest = &parts[0];
    return longest;
}

}  // namespace

const std::vector<ProductFamily>& productFamilies() { return families; }
const std::vector<std::string_view>& brandNames() { return brands; }
const std::vector<Supplier>& supplierNames() { return suppliers; }
const std::vector<std::string_view>& productSetNames() { return productSets; }
const std::vector<std::string_view>& giftNames() { return gifts; }
const std::vector<std::string_view>& bundleNames() { return bundles; }

std::string shortName(std::string_view name, std::size_t maxChars) {
    std::vector<std::string> parts = words(name);
    if (characterCount(joined(parts)) <= maxChars) return joined(parts);
    parts = withUnitsJoined(parts);
    while (characterCount(joined(parts)) > maxChars) {
        std::string* word = nextToAbbreviate(parts);
        if (!word) break;
        *word = std::string(firstCharacters(*word, 3)) + ".";
    }
    std::string text = joined(parts);
    if (characterCount(text) > maxChars) text = joined(parts, true);
    std::string cut(firstCharacters(text, maxChars));
    while (!cut.empty() && cut.back() == ' ') cut.pop_back();
    return cut;
}

}  // namespace ShopDb
