#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The maths and text functions the diagram and the window's handlers rely on. All of them
// are independent of the process's locale: the decimal point is always '.'.
namespace fw {

// The nearest whole value, halves away from zero; still a double.
double Round(double v);

// Converts a (rounded) double to int32. Defined for every input: values beyond the int32
// range saturate at its bounds and NaN gives 0.
std::int32_t ToInt32(double v);

// Formats with a pattern such as "-##.00" or "-###.00": as many decimals as the pattern has
// zeros after its point, rounded halves away from zero; a minus sign only when the shown
// value is negative (so never "-0.00"); a leading zero before the point; wider numbers are
// shown whole. Any number of decimals is shown in full, however long the pattern or large the
// value. Infinities read "inf" or "-inf", NaN "nan".
std::string Format(double v, std::string_view pattern);

// A short decimal text: at most 15 significant digits, no trailing zeros, an exponent only
// for very large or very small values. 32.0 / 20.0 - 1.0 reads "0.6".
std::string Str(double v);
std::string Str(std::int32_t v);

// The longest leading decimal number of the text (leading blanks, sign, digits, point,
// exponent) as a double. A text without a leading number gives 0; "nan", "inf" and
// hexadecimal forms are no numbers; a number too large for a double gives +-infinity.
// Reads through the "C" locale, made on the first call; should that fail (out of memory), the
// program stops with a message on stderr.
double Val(std::string_view text);

} // namespace fw
