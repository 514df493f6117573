// Old scale numbers read from the database, on both engines.
#include <gtest/gtest.h>

#include "ScaleTestSupport.h"
#include "scales/DeletedScaleProductNumbers.h"

namespace {

using Devices::DeletedScaleProductNumbers;
using Devices::DeletedScaleProductNumbersQuery;
using Numbers = Devices::IDeletedScaleProductNumbers::Numbers;

class DeletedNumbersTest : public ScaleTest::ScaleShop {};

}  // namespace

TEST_P(DeletedNumbersTest, OnlyTheSectionsOfTheGivenScalesCountAndRepeatsCountOnce) {
    addOldScaleNumber(5, 1, 15);
    addOldScaleNumber(5, 2, 7);
    addOldScaleNumber(5, 1, 15);
    addOldScaleNumber(6, 1, 16);
    addOldScaleNumber(6, 3, 4);
    DeletedScaleProductNumbers numbers(std::make_shared<DeletedScaleProductNumbersQuery>());
    numbers.load({{1, 1}, {1, 2}});
    EXPECT_EQ(numbers.numbersForProduct(5), (Numbers{{1, 15}}));
    EXPECT_EQ(numbers.numbersForProduct(6), (Numbers{{1, 16}}));
    EXPECT_TRUE(numbers.numbersForProduct(7).empty());
    EXPECT_EQ(&numbers.numbersForProduct(7), &numbers.numbersForProduct(8));

    numbers.load({{3, 1}, {2, 1}});  // loading again forgets the last scales
    EXPECT_EQ(numbers.numbersForProduct(5), (Numbers{{2, 7}}));
    EXPECT_EQ(numbers.numbersForProduct(6), (Numbers{{3, 4}}));
}

TEST_P(DeletedNumbersTest, TheQueryMustBeOpenedBeforeItsRowsAreRead) {
    addOldScaleNumber(5, 1, 15);
    DeletedScaleProductNumbersQuery query;
    EXPECT_THROW(query.next(), DeletedScaleProductNumbersQuery::QueryNotOpenedError);
    EXPECT_THROW(query.current(), DeletedScaleProductNumbersQuery::QueryNotOpenedError);
    query.open();
    ASSERT_TRUE(query.next());
    EXPECT_EQ((std::vector<int>{query.current().productId(), query.current().sectionNumber(),
                                query.current().numberOnScale()}),
              (std::vector<int>{5, 1, 15}));
    EXPECT_FALSE(query.next());
    EXPECT_FALSE(query.next());
}

KORVEL_ON_EACH_ENGINE(DeletedNumbersTest);
