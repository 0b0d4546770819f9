#include "base/ValueText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>
#include <string_view>

namespace ValueText {

std::int16_t narrowTo16Bits(std::int32_t value)
{
    // C++20 defines the narrowing conversion as exactly that.
    return static_cast<std::int16_t>(value);
}

QString integerText(std::int64_t value)
{
    return QString::number(value);
}

double decimalValue(std::string_view text)
{
    double value = 0.0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc())
        return value;
    if (error != std::errc::result_out_of_range)
        return 0.0;
    // Beyond the range of a double: the C library's reader, in the C locale
    // whatever the user's, rounds a too large magnitude to infinity and a too
    // small one to zero. Rare enough for the copy it needs.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const std::string number(text.data(), stop);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double leadingNumber(const QString &text)
{
    // The cells hold short texts and are read twice per row ten times a
    // second: copy into a buffer on the stack, not a heap-allocated one.
    // Characters beyond Latin-1 become "?", which ends a number like any other.
    char buffer[64];
    QByteArray longText;
    std::string_view rest;
    if (text.size() < qsizetype(sizeof buffer)) {
        for (qsizetype index = 0; index < text.size(); ++index) {
            const char16_t c = text.at(index).unicode();
            buffer[index] = c < 256 ? static_cast<char>(c) : '?';
        }
        rest = std::string_view(buffer, static_cast<std::size_t>(text.size()));
    } else {
        longText = text.toLatin1();
        rest = std::string_view(longText.constData(), static_cast<std::size_t>(longText.size()));
    }
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
        rest.remove_prefix(1);
    const bool hasSign = !rest.empty() && (rest.front() == '-' || rest.front() == '+');
    // Digits or a point must follow: "inf" and "nan" are no decimal numbers.
    const char first = rest.size() > std::size_t(hasSign) ? rest[hasSign] : '\0';
    if (!(first >= '0' && first <= '9') && first != '.')
        return 0.0;
    if (rest.front() == '+')
        rest.remove_prefix(1);
    return decimalValue(rest);
}

QString realText(double value)
{
    // 2^53: every whole double below it is exactly an int64.
    constexpr double exactLimit = 9007199254740992.0;
    if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < exactLimit)
        return integerText(static_cast<std::int64_t>(value));
    return QString::number(value, 'g', 17);
}

std::int32_t clampToInt32(double value, std::int32_t nanValue)
{
    if (std::isnan(value))
        return nanValue;
    // Both limits are exact doubles: within them the conversion is defined.
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

} // namespace ValueText
