#include "labels/StockChangeLabels.h"

#include <boost/format.hpp>

#include "frame/Configuration.h"
#include "labels/LabelsSenderFactory.h"
#include "zentools/SysdateGetter.h"

namespace Labels {

namespace {
// Host contract: the stock-change query; %1% the first day, %2% the last.
constexpr const char* kStockChangeSql =
    "\n SELECT\n plu.lPluRef\n , plu.sPlu\n , plu.byStatus\n , towar.ltowarref\n , towar.sartindex\n , towar.sgrindex\n , "
    "towar.dCenaSprzed\n , towar.dPrzelicznik\n , towar.sNazwa\n , nvl(towar.nJmPrzelicznik, 0) nJmPrzelicznik\n , "
    "nvl(towar.nJmSprz, 0) nJmSprz\n , warsprz.lPromoRef lPromocjaRef\n, brand.name Marka\n, towar.byElEtyk\n FROM plu, "
    "stn, towar, warsprz, brand\n WHERE plu.LTOWARREF = stn.LTOWARREF AND stn.data = towar.dLastStnDate\n AND "
    "towar.DLASTSTNDATE >= %1% /*arg1*/ and towar.DLASTSTNDATE <= %2% /*arg2*/\n AND towar.LTOWARREF = plu.LTOWARREF AND "
    "towar.BYELETYK = 1\n AND brand.id (+) = towar.brandid\n AND warsprz.LTOWARREF(+) = plu.LTOWARREF AND "
    "warsprz.DATAOD(+) <= %2% /*arg2*/\n AND warsprz.DATADO(+) >= %2% /*arg2*/";

Korvel::TKey labelsKey() { return Kolvenia::Config::key({"Parametry sklepu", "Towary", "Etykiety elektroniczne"}); }
}  // namespace

StockChangeLabels::StockChangeLabels(int firstDay, int lastDay) : rows_(TSessionHolder(true)) {
    rows_.SetSQL(sql(firstDay, lastDay));
    rows_.Open();
}

std::string StockChangeLabels::sql(int firstDay, int lastDay) {
    return (boost::format(kStockChangeSql) % firstDay % lastDay).str();
}

void StockChangeLabels::send() {
    auto sender = LabelsSenderFactory::createLabelsSender(labelsKey().GetKey("Klasa eksportu").GetVal<std::string>());
    sender->beginSending(Zentools::SysdateGetter::getDate(TSessionHolder(true)));
    for (rows_.First(); !rows_.Eof(); rows_.Next()) sender->sendTowar(rows_);
    sender->endSending();
}

bool electronicLabelsSwitchedOn() {
    auto on = Kolvenia::Config::findKey({"Parametry sklepu", "Towary", "Etykiety elektroniczne", "Włączone"});
    return on && on->GetVal<bool>();
}

}  // namespace Labels
