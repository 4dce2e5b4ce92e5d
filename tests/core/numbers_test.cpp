#include "framework/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Same double, with NaN equal to NaN and the sign of a zero ignored.
void ExpectSameDouble(double actual, double expected) {
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << "got " << actual;
    else
        EXPECT_EQ(actual, expected);
}

TEST(Numbers, RoundGoesToTheNearestWholeValueWithHalvesAwayFromZero) {
    struct Row {
        const char* name;
        double in;
        double out;
    };
    const Row rows[] = {
        {"zero", 0.0, 0.0},
        {"below a half", 2.4, 2.0},
        {"above a half", 57.6, 58.0},
        {"negative above a half", -57.6, -58.0},
        {"half up from an even value", 2.5, 3.0},
        {"half up from zero", 0.5, 1.0},
        {"negative half", -0.5, -1.0},
        {"negative half from an even value", -2.5, -3.0},
        {"odd half", 36.5, 37.0},
        {"negative odd half", -19.5, -20.0},
        {"largest double below a half", 0.49999999999999994, 0.0},
        {"largest double below one and a half", 1.4999999999999998, 1.0},
        {"odd whole value above 2^52", 4503599627370497.0, 4503599627370497.0},
        {"huge", 1e300, 1e300},
        {"infinity", kInf, kInf},
        {"negative infinity", -kInf, -kInf},
        {"nan", kNaN, kNaN},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ExpectSameDouble(fw::Round(row.in), row.out);
    }
}

TEST(Numbers, ToInt32ConvertsWholeValuesAndSaturatesBeyondTheRange) {
    struct Row {
        const char* name;
        double in;
        std::int32_t out;
    };
    const Row rows[] = {
        {"zero", 0.0, 0},
        {"negative zero", -0.0, 0},
        {"positive", 606.0, 606},
        {"negative", -487.0, -487},
        {"largest int32", 2147483647.0, kMax},
        {"smallest int32", -2147483648.0, kMin},
        {"one above the range", 2147483648.0, kMax},
        {"one below the range", -2147483649.0, kMin},
        {"far above the range", 1e300, kMax},
        {"far below the range", -1e300, kMin},
        {"infinity", kInf, kMax},
        {"negative infinity", -kInf, kMin},
        {"nan", kNaN, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::ToInt32(row.in), row.out);
    }
}

TEST(Numbers, FormatShowsTwoDecimalsAndASignOnlyWhenTheShownValueIsNegative) {
    struct Row {
        const char* name;
        double in;
        std::string pattern;
        std::string out;
    };
    // Long patterns. The double nearest 1e308 is exactly this whole number, 309 digits:
    const std::string near1e308 =
        "100000000000000001097906362944045541740492309677311846336810682903157585404911491537"
        "163328978494688899061249669721172515611590283743140088328307009198146046031271664502"
        "933027185697489699588559043338384466165001178426897626212945177628091195786707458122"
        "783970171784415105291802893207873272974885715430223118336";
    // The double nearest 0.1 is exactly this, 55 decimals.
    const std::string near0p1 = "0.1000000000000000055511151231257827021181583404541015625";
    // 2^-401 = 5^401 / 10^401 is exactly 0.<120 zeros><the 281 digits of 5^401>, 401
    // decimals ending in ...453125: with 400 decimals a tie, which goes away from zero to
    // ...45313 (to even it would stay ...45312).
    const std::string twoToMinus401RoundedTo400 =
        "0." + std::string(120, '0') +
        "193629595742465913640901531664317592378510959602439543274388147067220817404884298243"
        "134111713850729845402877125377723376968541819949617515776115902532667524600121803263"
        "526540136921601918658737704540468382322747120009063508128948442340813056519732704430"
        "2255671937018632888793945313";
    const std::string decimals100 = "-##." + std::string(100, '0');
    const std::string decimals400 = "-##." + std::string(400, '0');
    const std::string decimals450 = "-##." + std::string(450, '0');
    const Row rows[] = {
        {"ten", 10.0, "-##.00", "10.00"},
        {"minus ten", -10.0, "-##.00", "-10.00"},
        {"time display at start", 72.0 / 72.0 * 10.0, "-###.00", "10.00"},
        {"time display at the lower end", -500.0 / 72.0 * 10.0, "-###.00", "-69.44"},
        {"zero", 0.0, "-##.00", "0.00"},
        {"negative zero", -0.0, "-##.00", "0.00"},
        {"leading zero", 0.5, "-##.00", "0.50"},
        {"negative leading zero", -0.5, "-##.00", "-0.50"},
        {"rounds down", 3.14159, "-##.00", "3.14"},
        {"rounds up", 2.71828, "-##.00", "2.72"},
        {"tie goes away from zero", 0.125, "-##.00", "0.13"},
        {"negative tie goes away from zero", -0.125, "-##.00", "-0.13"},
        {"tie above an even digit", 2.625, "-###.00", "2.63"},
        {"negative tie above an even digit", -1.625, "-###.00", "-1.63"},
        {"just below a half is no tie", 1.015, "-##.00", "1.01"},
        {"another value just below a half", 2.675, "-##.00", "2.67"},
        {"just above a half", -0.005, "-##.00", "-0.01"},
        {"small negative shows as zero", -0.004, "-##.00", "0.00"},
        {"tiny negative shows as zero", -1e-300, "-###.00", "0.00"},
        {"carry into the units", 9.999, "-##.00", "10.00"},
        {"negative carry into a new digit", -99.996, "-##.00", "-100.00"},
        {"wider than the pattern", 123.456, "-##.00", "123.46"},
        {"wider than the longer pattern", 1234.5, "-###.00", "1234.50"},
        {"negative wider than the pattern", -98765.4321, "-##.00", "-98765.43"},
        {"tie too large to scale exactly", 70368744177663.875, "-##.00", "70368744177663.88"},
        {"tie above 1e15", 1e15 + 0.125, "-##.00", "1000000000000000.13"},
        {"huge", 1e20, "-###.00", "100000000000000000000.00"},
        {"infinity", kInf, "-##.00", "inf"},
        {"negative infinity", -kInf, "-###.00", "-inf"},
        {"nan", kNaN, "-##.00", "nan"},
        {"negative nan", -kNaN, "-###.00", "nan"},
        {"1e308 with 100 decimals", 1e308, decimals100, near1e308 + "." + std::string(100, '0')},
        {"-1e308 with 100 decimals", -1e308, decimals100,
         "-" + near1e308 + "." + std::string(100, '0')},
        {"small value with 450 decimals", 0.1, decimals450, near0p1 + std::string(450 - 55, '0')},
        {"tie with 400 decimals goes away from zero", std::ldexp(1.0, -401), decimals400,
         twoToMinus401RoundedTo400},
        {"negative tie with 400 decimals", -std::ldexp(1.0, -401), decimals400,
         "-" + twoToMinus401RoundedTo400},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Format(row.in, row.pattern), row.out);
    }
}

TEST(Numbers, StrOfADoubleIsShortAndPlain) {
    struct Row {
        const char* name;
        double in;
        std::string out;
    };
    const Row rows[] = {
        {"speed slider at start", 32.0 / 20.0 - 1.0, "0.6"},
        {"speed slider near the lower end", 1.0 / 20.0 - 1.0, "-0.95"},
        {"speed slider near the upper end", 39.0 / 20.0 - 1.0, "0.95"},
        {"speed slider below zero", 13.0 / 20.0 - 1.0, "-0.35"},
        {"two decimals", 0.63, "0.63"},
        {"negative", -0.999, "-0.999"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"whole", 100.0, "100"},
        {"sum with a binary error", 0.1 + 0.2, "0.3"},
        {"one third", 1.0 / 3.0, "0.333333333333333"},
        {"two thirds rounds the 15th digit", 2.0 / 3.0, "0.666666666666667"},
        {"just below one", 0.9999999999999999, "1"},
        {"fifteen nines", 0.999999999999999, "0.999999999999999"},
        {"fifteen digits whole", 123456789012345.0, "123456789012345"},
        {"small", 0.0001, "0.0001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Str(row.in), row.out);
    }
}

TEST(Numbers, StrOfAnInt32IsPlainDecimal) {
    struct Row {
        const char* name;
        std::int32_t in;
        std::string out;
    };
    const Row rows[] = {
        {"zero", 0, "0"},
        {"positive", 3000, "3000"},
        {"negative", -30, "-30"},
        {"largest", kMax, "2147483647"},
        {"smallest", kMin, "-2147483648"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Str(row.in), row.out);
    }
}

TEST(Numbers, ValReadsTheLongestLeadingDecimalNumber) {
    struct Row {
        const char* name;
        std::string in;
        double out;
    };
    const std::string thousandDigits(1000, '7');
    const std::string tinyFraction = "0." + std::string(400, '0') + "1";
    const Row rows[] = {
        {"plain", "0.6", 0.6},
        {"negative", "-0.6", -0.6},
        {"plus sign", "+0.6", 0.6},
        {"whole", "42", 42.0},
        {"leading zeros", "007", 7.0},
        {"leading blanks", "   0.25", 0.25},
        {"trailing blanks", "0.25   ", 0.25},
        {"trailing letters", "0.25abc", 0.25},
        {"blanks, sign, point first, letters", " -.5abc", -0.5},
        {"point last", "5.", 5.0},
        {"point first", ".5", 0.5},
        {"exponent", "1e3", 1000.0},
        {"capital exponent with sign", "1E-2", 0.01},
        {"exponent with plus", "2.5e+1", 25.0},
        {"exponent followed by letters", "1e3x", 1000.0},
        {"exponent without digits", "1e", 1.0},
        {"exponent sign without digits", "1e+", 1.0},
        {"second point ends the number", "1.5.2", 1.5},
        {"comma ends the number", "1,5", 1.0},
        {"blank ends the number", "12 34", 12.0},
        {"empty", "", 0.0},
        {"only blanks", "   ", 0.0},
        {"letters", "abc", 0.0},
        {"only a minus", "-", 0.0},
        {"only a point", ".", 0.0},
        {"minus and point", "-.", 0.0},
        {"point and exponent", ".e5", 0.0},
        {"two signs", "+-1", 0.0},
        {"blank after the sign", "- 1", 0.0},
        {"nan", "nan", 0.0},
        {"capital nan", "NaN", 0.0},
        {"inf", "inf", 0.0},
        {"negative infinity", "-infinity", 0.0},
        {"hexadecimal", "0x10", 0.0},
        {"hexadecimal float", "0x1p3", 0.0},
        {"too large", "1e999", kInf},
        {"too large negative", "-1e999", -kInf},
        {"exponent beyond any integer", "1e99999999999999999999", kInf},
        {"a thousand digits", thousandDigits, kInf},
        {"a thousand digits negative", "-" + thousandDigits, -kInf},
        {"too small", "1e-999", 0.0},
        {"too small by its leading zeros", tinyFraction, 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Val(row.in), row.out);
    }
}

// A typed speed is read with Val and shown again with Str: the field must then show the
// very number that was typed, and reading that text again must give the same speed.
TEST(Numbers, TypedSpeedsSurviveStrAndVal) {
    struct Row {
        const char* name;
        const char* typed;
    };
    const Row rows[] = {
        {"start speed", "0.6"},
        {"negative", "-0.35"},
        {"half", "0.5"},
        {"fifteen nines", "0.999999999999999"},
        {"fifteen significant digits", "-0.123456789012345"},
        {"small", "0.001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double speed = fw::Val(row.typed);
        EXPECT_EQ(fw::Str(speed), row.typed);
        EXPECT_EQ(fw::Val(fw::Str(speed)), speed);
    }
}

} // namespace
