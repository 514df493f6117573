#include "ShopDatabaseTest.h"
#include "composition/CompositionOracleDao.h"
#include "composition/CompositionReadScope.h"
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

std::vector<std::vector<ProductSet>> compositionsOfProducts(TSessionHolder& holder) {
    std::vector<std::vector<ProductSet>> compositions;
    for (std::int64_t product : {1, 2, 3, 4, 5, 6, 7, 99, -1})
        compositions.push_back(Composition::CompositionOracleDao::getComposition(product, holder).getProductSets());
    return compositions;
}

TEST_P(CompositionTest, AScopeAnswersAsTheSingleReadsFromOneSnapshotOfItsSession) {
    TSessionHolder holder = session();
    const auto readOneByOne = compositionsOfProducts(holder);
    issuedStatements();
    {
        Composition::CompositionReadScope compositions(holder);
        EXPECT_EQ(compositionsOfProducts(holder), readOneByOne);
        EXPECT_EQ(issuedStatements().size(), 1u);

        // Another session is not served by the scope and sees what was committed.
        exec("insert into ProductProductSetLink (ProductId, ProductSetId, Deleted) values (2, 40, 0)");
        TSessionHolder other(holder.url());
        EXPECT_EQ(Composition::CompositionOracleDao::getComposition(2, other).getProductSets().size(), 2u);
        issuedStatements();
        EXPECT_EQ(compositionsOfProducts(holder), readOneByOne);
        EXPECT_TRUE(issuedStatements().empty());
    }
    const auto afterwards = compositionsOfProducts(holder);
    EXPECT_EQ(afterwards[1],
              (std::vector<ProductSet>{{10, "Zestaw śniadaniowy", {1, 2, 3}}, {40, "Obiad", {1, 2, 7}}}));
    Composition::CompositionReadScope compositions(holder);
    EXPECT_EQ(compositionsOfProducts(holder), afterwards);
}

KORVEL_ON_EACH_ENGINE(CompositionTest);

}  // namespace
}  // namespace HostLibsTest
