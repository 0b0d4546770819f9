#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

// Conversions between element values and the texts of the element list.
// The list cells are the only record of Min, Now and Max, so these decide
// what the user sees and what the report holds.
namespace ValueText {

// Keeps the low 16 bits of a value, read as a two's-complement number:
// 32768 becomes -32768, 65535 becomes -1, -40000 becomes 25536.
std::int16_t narrowTo16Bits(std::int32_t value);

// Decimal digits, a leading "-" when negative, no grouping.
QString integerText(std::int64_t value);

// The number at the start of `text`, as std::from_chars reads it (which
// also takes "inf" and "nan"), saturating: beyond the range of a double it
// is infinite, below its smallest value zero; 0 when there is none.
double decimalValue(std::string_view text);

// The leading decimal number of a text (optional sign, digits, fraction and
// exponent, after optional spaces); 0 when the text starts with none.
double leadingNumber(const QString &text);

// Whole numbers give exactly their integer text; other values plain digits.
QString realText(double value);

// Converts to a 32-bit integer without undefined behaviour: the fraction is
// dropped, values beyond the range are clamped, NaN gives `nanValue`.
std::int32_t clampToInt32(double value, std::int32_t nanValue);

} // namespace ValueText
