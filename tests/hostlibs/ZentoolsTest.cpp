#include <chrono>
#include <ctime>

#include "ShopDatabaseTest.h"
#include "zentools/PurchasePriceGetter.h"
#include "zentools/SysdateGetter.h"

namespace HostLibsTest {
namespace {

using Zentools::LastSupply;

class ZentoolsTest : public ShopDatabaseTest {};

int dayNumber(const std::tm& date) {
    using namespace std::chrono;
    const year_month_day day{year(date.tm_year + 1900), month(static_cast<unsigned>(date.tm_mon + 1)),
                             std::chrono::day(static_cast<unsigned>(date.tm_mday))};
    return static_cast<int>((sys_days(day) - sys_days(1899y / December / 30)).count());
}

TEST_P(ZentoolsTest, TodayIsTheHostDayNumberOfTheCurrentDate) {
    const std::time_t now = std::time(nullptr);
    std::tm local{}, utc{};
    localtime_r(&now, &local);
    gmtime_r(&now, &utc);

    // The server may keep another time zone than this process.
    const int today = Zentools::SysdateGetter::getDate(session());
    EXPECT_TRUE(today == dayNumber(local) || today == dayNumber(utc)) << today;
}

TEST_P(ZentoolsTest, LastSupplyIsTheNewestSupplyLineWithAPrice) {
    exec(
        "insert into Dostawa (lDostawaRef, lTowarRef, lFirmaRef, data, dIlosc, dCenaZak) values "
        "(1, 10, 1, 46000, 5, 2.5),"
        "(2, 10, 1, 46100, 5, 3.25),"
        "(3, 10, 2, 46100, 8, 3.5),"   // same day, recorded later: wins
        "(4, 10, 2, 46200, 1, null),"  // newest, but without a price
        "(5, 11, 1, 46300, 1, 99.0),"  // another product
        "(6, 12, 1, 46050, 4, 0.1234)");

    Zentools::PurchasePriceGetter getter(session());
    EXPECT_EQ(getter.getLastSupply(10), (LastSupply{3.5, 46100}));
    EXPECT_EQ(getter.getLastSupply(12), (LastSupply{0.1234, 46050}));
    EXPECT_EQ(getter.getLastSupply(13), std::nullopt);
    EXPECT_EQ(getter.getLastSupply(11), (LastSupply{99.0, 46300}));
}

KORVEL_ON_EACH_ENGINE(ZentoolsTest);

}  // namespace
}  // namespace HostLibsTest
