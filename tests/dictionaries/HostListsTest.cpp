// The host lists and stored properties the dictionary sends read, on both engines.
#include "DictionaryShop.h"
#include "hostlists/Entities.h"
#include "hostlists/PaymentForms.h"
#include "properties/StoredProperties.h"

namespace DictionaryTest {
namespace {

using HostLists = DictionaryShop;

TEST_P(HostLists, StoredPropertiesAreAddedThenChangedAndLockOnlyInATransaction) {
    const Korvel::StoredProperties properties(session());
    EXPECT_FALSE(properties.get("flag"));
    EXPECT_FALSE(properties.getBool("flag"));
    properties.setBool("flag", true);
    EXPECT_TRUE(properties.getBool("flag"));
    properties.set("flag", "0");
    EXPECT_EQ(properties.get("flag"), "0");
    EXPECT_EQ(integerOf("select count(*) from StoredProperty"), 1);

    EXPECT_THROW(properties.lockBool("flag"), std::logic_error);
    session().StartTransaction();
    properties.setBool("flag", true);
    EXPECT_TRUE(properties.lockBool("flag"));
    session().Rollback();
    EXPECT_FALSE(properties.getBool("flag"));
}

TEST_P(HostLists, EntityFiltersNameFieldsOfTheEntity) {
    exec("insert into AutomaticDiscountType (id, name, isActive) values (2, 'Student', 1)");
    exec("insert into AutomaticDiscountType (id, name, isActive) values (1, 'Senior', 1)");
    exec("insert into AutomaticDiscountType (id, name, isActive) values (3, 'Stary', 0)");
    auto& dao = Korvel::Dao::DaoFactory::instance();
    const auto active =
        dao.find<Korvel::Dao::AutomaticDiscountType>(Korvel::Dao::Filter().equals("isActive", true), session());
    ASSERT_EQ(active.size(), 2u);
    EXPECT_EQ(active[0].name, "Senior");
    EXPECT_EQ(active[1].name, "Student");
    EXPECT_EQ(dao.find<Korvel::Dao::AutomaticDiscountType>(Korvel::Dao::Filter().equals("name", std::string("Stary")),
                                                           session())
                  .size(),
              1u);
    EXPECT_THROW(dao.find<Korvel::Dao::Country>(Korvel::Dao::Filter().equals("isActive", true), session()),
                 std::logic_error);
}

TEST_P(HostLists, PaymentFormsAreFoundByGuidInAnyLetterCaseAfterARefresh) {
    Platnosci::FormyPlatnosci forms(session());
    EXPECT_TRUE(forms.all().empty());
    exec(
        "insert into FormaPlatnosci (lFormaPlatnosciRef, sGuid, sNazwa) values (1, '{ABCDEF01-0000-0000-0000-000000000000}', 'Bon')");
    EXPECT_EQ(forms.findByGuid("{abcdef01-0000-0000-0000-000000000000}"), nullptr);
    forms.refresh();
    ASSERT_NE(forms.findByGuid("{abcdef01-0000-0000-0000-000000000000}"), nullptr);
    EXPECT_EQ(forms.findByGuid("{abcdef01-0000-0000-0000-000000000000}")->name, "Bon");
}

KORVEL_ON_EACH_ENGINE(HostLists);

}  // namespace
}  // namespace DictionaryTest
