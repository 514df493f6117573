#include "cashregister/turnover/DailyTurnoverCommandSender.h"

#include <algorithm>
#include <boost/format.hpp>

#include "core/DateTime.h"
#include "core/Debug.h"
#include "core/I18n.h"
#include "core/Singleton.h"
#include "db/Query.h"
#include "devicedefs/Kolekcje.h"

namespace Kolvenia::DailyTurnover {

namespace {

using Core::I18n::translate;

// Register-days whose reported total is missing or differs from the receipts, and days
// with neither (register NULL). Receipts without fiscal value (financial transactions
// only) never reach saleverification, so they are left out of the comparison.
const char* const VerificationSql =
    "select d.nliczba sale_date, k.cash_register_number cash_register_number\n"
    "  from (select s.nliczba from sekwencja s where s.nliczba > :dateFrom and s.nliczba <= :dateTo) d\n"
    "  left join (select pn.data sale_day, pn.nnrkasy cash_register_number\n"
    "               from paragnag pn\n"
    "              where pn.dwartsprzed <> 0 and pn.data > :dateFrom and pn.data <= :dateTo\n"
    "             union\n"
    "             select sv.saledate, sv.cashregisternumber\n"
    "               from saleverification sv\n"
    "              where sv.saledate > :dateFrom and sv.saledate <= :dateTo) k on k.sale_day = d.nliczba\n"
    "  left join (select pn.data sale_day, pn.nnrkasy cash_register_number,\n"
    "                    sum(pn.dwartsprzed) receipt_value, count(pn.lparagref) receipt_count\n"
    "               from paragnag pn\n"
    "              where pn.dwartsprzed <> 0 and pn.data > :dateFrom and pn.data <= :dateTo\n"
    "              group by pn.data, pn.nnrkasy) r\n"
    "         on r.sale_day = k.sale_day and r.cash_register_number = k.cash_register_number\n"
    "  left join (select sv.saledate sale_day, sv.cashregisternumber cash_register_number,\n"
    "                    sum(sv.salevalue) sale_value, sum(sv.receiptcount) receipt_count\n"
    "               from saleverification sv\n"
    "              where sv.saledate > :dateFrom and sv.saledate <= :dateTo\n"
    "              group by sv.saledate, sv.cashregisternumber) v\n"
    "         on v.sale_day = k.sale_day and v.cash_register_number = k.cash_register_number\n"
    " where k.cash_register_number is null\n"
    "    or v.sale_value is null or v.receipt_count is null\n"
    "    or round(coalesce(r.receipt_value, 0), 2) <> round(v.sale_value, 2)\n"
    "    or coalesce(r.receipt_count, 0) <> v.receipt_count\n"
    " order by sale_date, cash_register_number";

// Host contract: the first receipt day.
const char* const FirstReceiptDaySql = "select coalesce(min(pn.data), 0) receipt_date from paragnag pn";

// Host contract: the register's previously reported totals, completed with its number
// and the condition on the days.
const char* const PreviousTotalsSql =
    "\n\tselect\n\t\tsv.receiptcount receipt_count\n\t\t, sv.saleDate sale_date\n\t\t, sv.salevalue receipt_value\n\tfrom\n"
    "\t\tsaleverification sv\n\twhere\n\t\tsv.cashregisternumber = ";

std::string daysCondition(const std::set<int>& days) {
    std::string list;
    for (int day : days) list += (list.empty() ? "" : ", ") + std::to_string(day);
    return "sv.saleDate in (" + list + ")";
}

// A register may have reported a day without a value or a count.
double valueOrZero(const DBKernel::Sql::Field& field) { return field.isNull() ? 0.0 : field.asDouble(); }

}  // namespace

std::string formatDays(const std::set<int>& days) {
    std::string text;
    for (int day : days) text += (text.empty() ? "" : ", ") + Core::DateTime::formatDate(day);
    return text;
}

DailyTurnoverCommandSender::DailyTurnoverCommandSender(int dateFrom, int dateTo, bool includeDaysWithoutSale,
                                                       std::optional<int> cashRegister, std::ostream* console,
                                                       TSessionHolder session)
    : dateFrom_(dateFrom),
      dateTo_(dateTo),
      includeDaysWithoutSale_(includeDaysWithoutSale),
      cashRegister_(cashRegister),
      session_(std::move(session)),
      log_(console) {}

void DailyTurnoverCommandSender::run() {
    const auto place = CORE_SRC_INFO("Kolvenia::DailyTurnover::DailyTurnoverCommandSender::run");
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine("DailyTurnoverCommandSender::run start", place);
    buildSenders();
    if (cashRegister_ && dateFrom_ == dateTo_)
        collect({*cashRegister_, dateFrom_});
    else
        verify();
    sendCommands();
    if (Core::Debug::loggingEnabled()) Core::Debug::logLine("DailyTurnoverCommandSender::run end", place);
}

void DailyTurnoverCommandSender::buildSenders() {
    auto& factory =
        Core::SingletonImplHolder<CashRegisterServerCommunication::CashRegisterServerCommunicationFactory>::instance();
    const TUrzadzenieCollectionPtr installed = kolekcjaZainstalowanychKas();
    for (std::size_t i = 0; installed && i < installed->size(); ++i) {
        const int number = (*installed)[i]->nNrKolvenia;
        senders_.emplace(number, factory.createDailyTurnoverCommandSender(number));
    }
}

void DailyTurnoverCommandSender::verify() {
    if (includeDaysWithoutSale_) {
        DBKernel::Sql::OpenedQuery firstReceipt(FirstReceiptDaySql, session_);
        dateFrom_ = std::max(dateFrom_, firstReceipt["receipt_date"].asInt());
    }
    DBKernel::Sql::PreparedQuery rows(VerificationSql, session_);
    rows.Params["dateFrom"] = dateFrom_;
    rows.Params["dateTo"] = dateTo_;
    for (rows.execute(); rows; rows.next()) {
        const int day = rows["sale_date"].asInt();
        if (!rows["cash_register_number"].isNull())
            collect({rows["cash_register_number"].asInt(), day});
        else if (includeDaysWithoutSale_)
            for (const auto& [number, sender] : senders_) collect({number, day});
    }
}

void DailyTurnoverCommandSender::collect(const SaleData& saleData) {
    collected_[saleData.cashRegister].insert(saleData.day);
    if (const auto sender = senders_.find(saleData.cashRegister); sender != senders_.end())
        sender->second->addDay(saleData.day);
}

void DailyTurnoverCommandSender::sendCommands() {
    for (const auto& [number, days] : collected_) {
        const auto sender = senders_.find(number);
        if (sender == senders_.end()) {
            log_.warning((boost::format(translate(
                              "Brak zainstalowanej kasy z numerem %1%. Wysłanie polecenia zostało pominięte.")) %
                          number)
                             .str());
            continue;
        }
        sender->second->send();
        log_.info((boost::format(translate("Wysłano polecenie GetDailyTurnover do kasy nr %1% za dzień/dni %2%")) %
                   number % formatDays(days))
                      .str());
        logPreviousTotals(number, days);
    }
}

void DailyTurnoverCommandSender::logPreviousTotals(int cashRegister, const std::set<int>& days) {
    DBKernel::Sql::OpenedQuery previous(
        PreviousTotalsSql + std::to_string(cashRegister) + "\n\t\tand " + daysCondition(days), session_);
    if (!previous) {
        log_.info(
            (boost::format(translate("Kasa nr %1% - brak poprzednich wartości na potrzeby weryfikacji w dniach %2%.")) %
             cashRegister % formatDays(days))
                .str());
        return;
    }
    for (; previous; previous.next())
        log_.info(
            (boost::format(translate(
                 "Poprzednia wartość zarejestrowanej sprzedaży dla kasy nr %1% (%2%):\n- wartość: %3$.2f,\n- liczba paragonów: %4%.")) %
             cashRegister % Core::DateTime::formatDate(previous["sale_date"].asInt()) %
             valueOrZero(previous["receipt_value"]) % valueOrZero(previous["receipt_count"]))
                .str());
}

}  // namespace Kolvenia::DailyTurnover
