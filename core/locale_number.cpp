#include "core/locale_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kov {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<double> ParseLocaleNumber(std::string_view text, const NumberFormat& format) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    text = text.substr(first, last - first + 1);

    // Rewrite into the one grammar from_chars reads, checking the shape on the way.
    std::string plain;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    std::size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain += text[i];
    if (i < text.size() && text[i] == format.decimalSeparator) {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain += text[i];
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        std::size_t exponentDigits = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++exponentDigits) plain += text[i];
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> RoundHalfEven(double value, long long low, long long high) {
    // Range first: converting an out-of-range double to an integer is undefined.
    if (!(value > static_cast<double>(low) - 1.0 && value < static_cast<double>(high) + 1.0)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);  // default rounding mode: ties to even
    const auto whole = static_cast<long long>(rounded);
    if (whole < low || whole > high) return std::nullopt;
    return whole;
}

std::optional<int> ParseWholeNumber16(std::string_view text, const NumberFormat& format) {
    const auto value = ParseLocaleNumber(text, format);
    if (!value) return std::nullopt;
    const auto whole = RoundHalfEven(*value, -32768, 32767);
    if (!whole) return std::nullopt;
    return static_cast<int>(*whole);
}

}  // namespace kov
