#include "ShopDatabaseTest.h"
#include "composition/CompositionOracleDao.h"
#include "composition/ProductSetLinks.h"

namespace HostLibsTest {
namespace {

using Composition::ProductSet;

class CompositionTest : public ShopDatabaseTest {
protected:
    void SetUp() override {
        ShopDatabaseTest::SetUp();
        exec(
            "insert into ProductSet (id, name, Deleted) values "
            "(10, 'Zestaw śniadaniowy', 0), (20, 'Grill', 1), (30, 'Kawa i ciastko', 0), (40, 'Obiad', 0)");
        exec(
            "insert into ProductProductSetLink (ProductId, ProductSetId, Deleted) values "
            "(3, 10, 0), (1, 10, 0), (2, 10, 0), (4, 10, 1),"  // 4 left set 10
            "(1, 20, 0), (5, 20, 0),"                          // set 20 is deleted
            "(1, 30, 1), (6, 30, 0),"                          // 1 left set 30
            "(1, 40, 0), (7, 40, 0)");
    }
};

TEST_P(CompositionTest, ACompositionHoldsTheLiveSetsOfTheProductWithAllTheirLiveMembers) {
    TSessionHolder holder = session();
    const auto composition = Composition::CompositionOracleDao::getComposition(1, holder);
    EXPECT_EQ(composition.getProductSets(),
              (std::vector<ProductSet>{{10, "Zestaw śniadaniowy", {1, 2, 3}}, {40, "Obiad", {1, 7}}}));

    EXPECT_EQ(Composition::CompositionOracleDao::getComposition(6, holder).getProductSets(),
              (std::vector<ProductSet>{{30, "Kawa i ciastko", {6}}}));
    EXPECT_TRUE(Composition::CompositionOracleDao::getComposition(4, holder).getProductSets().empty());
}

TEST_P(CompositionTest, LinksAreReadOnceAndGivenAscendingJoinedBySpaces) {
    Composition::ProductSetLinks links(session());
    EXPECT_EQ(issuedStatements(),
              std::vector<std::string>{
                  "\n select\n   ProductId\n , ProductSetId\n from\n ProductProductSetLink\n where Deleted = 0"});

    // The link table keeps links to deleted sets; only deleted links are left out.
    EXPECT_EQ(links.productSetIds(1), (std::vector<std::uint32_t>{10, 20, 40}));
    EXPECT_EQ(links.compositionLinks(1), "10 20 40");
    EXPECT_EQ(links.compositionLinks(6), "30");
    EXPECT_EQ(links.compositionLinks(4), "");
    EXPECT_EQ(links.compositionLinks(99), "");
    EXPECT_TRUE(issuedStatements().empty());
}

KORVEL_ON_EACH_ENGINE(CompositionTest);

}  // namespace
}  // namespace HostLibsTest
