#include "ShopDatabaseTest.h"
#include "business/CompanyDirectory.h"
#include "business/FinancialTransactionTypes.h"
#include "business/PackagePluCodes.h"
#include "business/ProductActivityStatuses.h"
#include "business/ProductAutomaticDiscounts.h"
#include "core/Errors.h"

namespace HostLibsTest {
namespace {

class BusinessTest : public ShopDatabaseTest {};

template <class Call>
std::string messageOf(Call&& call) {
    try {
        call();
    } catch (const Core::PlacedRuntimeError& error) {
        return error.what();
    }
    return "<no error>";
}

TEST_P(BusinessTest, ActivityStatusesTellWhichBlockSale) {
    exec("insert into ProductActivityStatus (productActivityStatusId, name, SaleBlocked) values (7, 'Sezonowy', 1)");
    const Core::ProductActivityStatuses statuses(session());

    EXPECT_FALSE(statuses.findStatus(0).isSaleBlocked());
    EXPECT_FALSE(statuses.findStatus(1).isSaleBlocked());
    EXPECT_TRUE(statuses.findStatus(2).isSaleBlocked());
    EXPECT_TRUE(statuses.findStatus(7).isSaleBlocked());
    EXPECT_EQ(statuses.findStatus(7).getName(), "Sezonowy");
    EXPECT_EQ(messageOf([&] { statuses.findStatus(99); }), "Nieznany status aktywności towaru: 99.");
}

TEST_P(BusinessTest, CompanyDirectoryFindsCompaniesByAttributeValueAndTheOwnCompany) {
    exec(
        "insert into Firma (lFirmaRef, sNazwa) values (1, 'Mleczarnia Łąka'), (2, 'Piekarnia Kłos'), "
        "(3, 'Hurtownia Zbyszko'), (4, 'Browar Żywiec Zdrój'), (5, 'Sklep Pod Lipą')");
    exec(
        "insert into FirmaAtrybut (lFirmaRef, sNazwa, sWartosc) values "
        "(1, 'Refundacja', 'TAK'), (2, 'Refundacja', 'tak'), (3, 'Refundacja', 'NIE'), "
        "(4, 'Refundacja', 'TAK'), (4, 'Region', 'Śląsk'), (5, 'Region', 'TAK')");
    const Business::CompanyDirectory directory(session());

    EXPECT_EQ(directory.findByAttribute("Refundacja", "TAK"), (std::set<std::int64_t>{1, 4}));
    EXPECT_EQ(directory.findByAttribute("Region", "Śląsk"), (std::set<std::int64_t>{4}));
    EXPECT_TRUE(directory.findByAttribute("Refundacja", "Może").empty());

    EXPECT_EQ(messageOf([&] { directory.ownCompany(); }), "W kartotece firm nie oznaczono firmy własnej.");
    exec("update Firma set bFirmaWlasna = 1, SplittableVatSaleOnSiteAllowed = 1 where lFirmaRef = 5");
    EXPECT_EQ(directory.ownCompany().getId(), 5);
    EXPECT_TRUE(directory.ownCompany().getSplittableVatSaleOnSiteAllowed());
    exec("update Firma set SplittableVatSaleOnSiteAllowed = 0 where lFirmaRef = 5");
    EXPECT_FALSE(directory.ownCompany().getSplittableVatSaleOnSiteAllowed());
}

TEST_P(BusinessTest, FinancialTransactionTypesAreReadOnceAtTheFirstLookup) {
    exec(
        "insert into FinancialTransactionType (id, guid, definition) values "
        "(1, '{0F7C2A44-1D3B-4E55-9A60-1B2C3D4E5F60}', 'Doładowanie telefonu'), "
        "(2, '{6B1E9D20-7A4C-4F18-8C3D-2E4F6A8B0C1D}', 'Opłata rachunku')");
    Business::FinancialTransactionTypes types(session());
    EXPECT_TRUE(issuedStatements().empty());

    EXPECT_EQ(types.find(2),
              (Business::FinancialTransactionType{2, "{6B1E9D20-7A4C-4F18-8C3D-2E4F6A8B0C1D}", "Opłata rachunku"}));
    EXPECT_EQ(types.find(1).definition, "Doładowanie telefonu");
    EXPECT_EQ(messageOf([&] { types.find(3); }), "Nieznany typ transakcji finansowej: 3.");
    EXPECT_EQ(issuedStatements().size(), 1u);
}

TEST_P(BusinessTest, AutomaticDiscountsOfAProductAreItsActiveTypesAskedOncePerProduct) {
    exec(
        "insert into AutomaticDiscountType (id, name, isActive) values "
        "(1, 'Senior', 1), (2, 'Karta Dużej Rodziny', 1), (3, 'Happy hour', 0), (4, 'Student', 1)");
    exec(
        "insert into ProductAutomaticDiscountType (ProductId, AutomaticDiscountTypeId) values "
        "(10, 1), (10, 2), (10, 3), (11, 4)");
    Business::ProductAutomaticDiscounts discounts(session());

    EXPECT_EQ(discounts.forProduct(10), (std::set<std::string>{"Karta Dużej Rodziny", "Senior"}));
    EXPECT_EQ(discounts.forProduct(11), (std::set<std::string>{"Student"}));
    EXPECT_TRUE(discounts.forProduct(12).empty());
    EXPECT_EQ(issuedStatements().size(), 3u);

    EXPECT_EQ(discounts.forProduct(10).size(), 2u);
    EXPECT_TRUE(discounts.forProduct(12).empty());
    EXPECT_TRUE(issuedStatements().empty());
}

TEST_P(BusinessTest, APackageIsRungUpUnderItsOldestSellableCode) {
    exec(
        "insert into PLU (lPluRef, sPLU, lTowarRef, byStatus, byBlokada) values "
        "(1, '2000001', 50, 2, 1),"     // blocked
        "(2, '2000002', 50, 3, 0),"     // to be deleted
        "(3, '2000003', 50, 1, null),"  // new: the oldest sellable
        "(4, '2000004', 50, 2, 0),"
        "(5, '2000005', 51, 2, 1),"
        "(6, '2000006', 52, 4, 0)");
    Business::PackagePluCodes codes(session());

    EXPECT_EQ(codes.find(50), std::optional<std::string>("2000003"));
    EXPECT_EQ(codes.find(51), std::nullopt);
    EXPECT_EQ(codes.find(52), std::nullopt);
    EXPECT_EQ(issuedStatements().size(), 3u);
    EXPECT_EQ(codes.find(50), std::optional<std::string>("2000003"));
    EXPECT_EQ(codes.find(51), std::nullopt);
    EXPECT_TRUE(issuedStatements().empty());
}

KORVEL_ON_EACH_ENGINE(BusinessTest);

}  // namespace
}  // namespace HostLibsTest
