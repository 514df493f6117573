#include <gtest/gtest.h>

#include "db/OraError.h"
#include "db/Value.h"

using namespace DBKernel::Sql;

TEST(Value, NumbersReadAsTextInTheirShortestExactForm) {
    EXPECT_EQ(formatNumber(3.0), "3");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(0.1), "0.1");
    EXPECT_EQ(formatNumber(12.345), "12.345");
    EXPECT_EQ(formatNumber(-1234567.5), "-1234567.5");
    EXPECT_EQ(formatNumber(1e20), "1e+20");
    EXPECT_EQ(Value::integer(-42).view().asString(), "-42");
}

TEST(Value, TextsReadAsNumbersWhenTheyAreNumbers) {
    EXPECT_EQ(Value::text(" 17 ").view().asInt64(), 17);
    EXPECT_EQ(Value::text("+5").view().asInt64(), 5);
    EXPECT_EQ(Value::text("2.5").view().asInt64(), 3);
    EXPECT_EQ(Value::text("-2.5").view().asInt64(), -3);
    EXPECT_DOUBLE_EQ(Value::text("1e3").view().asDouble(), 1000);
    for (const char* text : {"", "12a", "1,5", "--1"}) {
        try {
            Value::text(text).view().asDouble();
            ADD_FAILURE() << "'" << text << "' read as a number";
        } catch (const Oraerror::EOraError& error) {
            EXPECT_EQ(error.ErrorCode, 1722) << text;
        }
    }
}

TEST(Value, IntegersAreCheckedWhereTheyMustFit) {
    EXPECT_EQ(Value::integer(2147483647).view().asInt(), 2147483647);
    EXPECT_THROW(Value::integer(2147483648LL).view().asInt(), Oraerror::EOraError);
    EXPECT_THROW(Value::real(1e300).view().asInt64(), Oraerror::EOraError);
    EXPECT_EQ(Value::real(2.4999).view().asInt64(), 2);
}

TEST(Value, QuantitiesAreExact) {
    EXPECT_EQ(Value::integer(3).view().asQuantity(), Core::Quantity::fromUnits(3000));
    EXPECT_EQ(Value::real(0.1 + 0.2).view().asQuantity(), Core::Quantity::fromUnits(300));
    EXPECT_EQ(Value::text("1.2345").view().asQuantity(), Core::Quantity::fromUnits(1235));
}

TEST(Value, ConversionKeepsNullsAndTheirType) {
    const Value typedNull = Value::text("7").convertedTo(ValueType::Integer);
    EXPECT_EQ(typedNull, Value::integer(7));
    const Value null = Value::null().convertedTo(ValueType::Double);
    EXPECT_TRUE(null.isNull());
    EXPECT_EQ(null.bindType(), ValueType::Double);
    EXPECT_EQ(Value::integer(1).convertedTo(ValueType::Text), Value::text("1"));
}
