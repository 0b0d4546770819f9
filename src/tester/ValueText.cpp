#include "tester/ValueText.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace ValueText {

std::int16_t narrowTo16Bits(std::int32_t value)
{
    const std::int32_t low = value & 0xFFFF;
    return static_cast<std::int16_t>(low >= 0x8000 ? low - 0x10000 : low);
}

QString integerText(std::int64_t value)
{
    return QString::number(value);
}

double leadingNumber(const QString &text)
{
    std::string number;
    qsizetype position = 0;
    const qsizetype length = text.size();
    auto at = [&](qsizetype index) {
        return index < length ? text.at(index) : QChar();
    };
    auto isDigit = [](QChar c) {
        return c >= u'0' && c <= u'9';
    };

    while (at(position) == u' ' || at(position) == u'\t')
        ++position;
    if (at(position) == u'-' || at(position) == u'+') {
        if (at(position) == u'-')
            number += '-';
        ++position;
    }
    bool anyDigit = false;
    while (isDigit(at(position))) {
        number += static_cast<char>(at(position++).unicode());
        anyDigit = true;
    }
    if (at(position) == u'.') {
        number += '.';
        ++position;
        while (isDigit(at(position))) {
            number += static_cast<char>(at(position++).unicode());
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;
    if ((at(position) == u'e' || at(position) == u'E')) {
        qsizetype exponentStart = position + 1;
        if (at(exponentStart) == u'-' || at(exponentStart) == u'+')
            ++exponentStart;
        if (isDigit(at(exponentStart))) {
            number += 'e';
            if (at(position + 1) == u'-')
                number += '-';
            position = exponentStart;
            while (isDigit(at(position)))
                number += static_cast<char>(at(position++).unicode());
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large in magnitude becomes infinite, too small becomes zero.
        const bool negative = number.front() == '-';
        const auto exponent = number.find('e');
        const bool tiny = exponent != std::string::npos && number[exponent + 1] == '-';
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
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
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

} // namespace ValueText
