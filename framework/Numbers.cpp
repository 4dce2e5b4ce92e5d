#include "Numbers.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <system_error>

namespace fw {

double Round(double v) { return std::round(v); }

std::int32_t ToInt32(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

namespace {

// The fixed form of a finite, non-negative double with `decimals` decimals, exact to the last
// shown digit. The buffer is sized for it: the digits before the point (one for magnitudes
// below 1, at most 309 for a double, since DBL_MAX < 2^1024 < 10^309), the point and the
// decimals, plus slack. Should to_chars still find it too small, it grows and tries again, so
// no text is ever cut off or replaced.
std::string FixedDigits(double magnitude, int decimals) {
    int exponent = 0;
    std::frexp(magnitude, &exponent); // magnitude < 2^exponent
    // 2^exponent has at most exponent * log10(2) + 1 digits before the point; 0.302 > log10(2).
    const std::size_t wholeDigits =
        exponent > 0 ? static_cast<std::size_t>(exponent * 0.302) + 1 : 1;
    std::string buf(wholeDigits + 1 + static_cast<std::size_t>(decimals) + 8, '\0');
    for (;;) {
        auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                       std::chars_format::fixed, decimals);
        if (ec == std::errc()) {
            buf.resize(static_cast<std::size_t>(end - buf.data()));
            return buf;
        }
        buf.resize(buf.size() * 2);
    }
}

// True when magnitude lies exactly half-way between its two neighbours with `decimals`
// decimals. A double can only do so when it is an odd multiple of 2^-(decimals + 1): a tie
// is an odd multiple of 1 / (2 * 10^decimals), and only dyadic fractions are doubles.
// From 2^53 on every double is even, so large magnitudes are never taken for ties.
bool IsExactTie(double magnitude, int decimals) {
    const double scaled = std::ldexp(magnitude, decimals + 1); // exact
    return scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

// An exact tie rounded away from zero. Its fixed form with one decimal more is exact and
// ends in 5; drop that 5 and add one unit of the last kept decimal, digit by digit, since
// scaling by a power of ten is inexact for large magnitudes.
std::string TieAwayFromZero(double magnitude, int decimals) {
    std::string digits = FixedDigits(magnitude, decimals + 1);
    digits.pop_back(); // the 5
    if (decimals == 0)
        digits.pop_back(); // the point
    std::size_t i = digits.size();
    while (i > 0) {
        --i;
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// The "C" locale, made once. newlocale can fail only when memory runs out (the "C" locale
// itself always exists); a null locale handed to strtod_l is undefined, and Val has no way to
// report an error to its callers (event handlers, where an exception must not escape into Qt's
// event loop), so the program stops at once with a message instead.
locale_t CLocale() {
    static const locale_t cLocale = [] {
        const locale_t made = newlocale(LC_ALL_MASK, "C", nullptr);
        if (made == nullptr) {
            const int error = errno;
            std::fprintf(stderr, "Varnel: cannot make the C locale for reading numbers: %s\n",
                         std::strerror(error));
            std::abort();
        }
        return made;
    }();
    return cLocale;
}

} // namespace

std::string Format(double v, std::string_view pattern) {
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";

    int decimals = 0;
    if (auto point = pattern.find('.'); point != std::string_view::npos)
        for (char ch : pattern.substr(point + 1))
            if (ch == '0')
                ++decimals;

    const double magnitude = std::fabs(v);
    std::string digits;
    if (IsExactTie(magnitude, decimals)) {
        // to_chars breaks exact ties to even; these go away from zero instead.
        digits = TieAwayFromZero(magnitude, decimals);
    } else {
        digits = FixedDigits(magnitude, decimals);
    }
    const bool showsZero = digits.find_first_not_of("0.") == std::string::npos;
    return (v < 0 && !showsZero ? "-" : "") + digits;
}

std::string Str(double v) {
    if (std::isnan(v))
        return "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : "inf";
    if (v == 0.0)
        return "0"; // also for -0.0
    std::array<char, 64> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::general, 15);
    if (ec != std::errc())
        return "0";
    return std::string(buf.data(), end);
}

std::string Str(std::int32_t v) { return std::to_string(v); }

double Val(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto isDigit = [&](std::size_t at) { return at < n && text[at] >= '0' && text[at] <= '9'; };

    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool anyDigit = false;
    while (isDigit(i)) {
        ++i;
        anyDigit = true;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (isDigit(i)) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    std::size_t end = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }

    // Only digits, a point and an exponent are left, so no hexadecimal or "inf" can slip
    // through; the "C" locale keeps the point a point. Too large gives +-HUGE_VAL, that is
    // infinity, too small 0 or a denormal.
    const std::string number(text.substr(start, end - start));
    const double value = strtod_l(number.c_str(), nullptr, CLocale());
    return negative ? -value : value;
}

} // namespace fw
