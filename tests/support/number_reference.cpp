#include "support/number_reference.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace reference {
namespace {

using lifting::Pattern;

// The number grammar of Val: blanks, a sign, digits with an optional point (or
// a point and digits), an optional exponent with at least one digit.
const QString kNumber =
    QStringLiteral(R"([+-]?(?:[0-9]++(?:\.[0-9]*+)?+|\.[0-9]++)(?:[eE][+-]?[0-9]++)?+)");
const QString kBlanks = QStringLiteral(R"([ \t\n\r]*+)");

const QRegularExpression& LeadingNumber() {
    static const QRegularExpression re(QStringLiteral("\\A") + kBlanks + u'(' + kNumber + u')');
    return re;
}

const QRegularExpression& WholeNumber() {
    static const QRegularExpression re(QStringLiteral("\\A") + kBlanks + kNumber + kBlanks +
                                       QStringLiteral("\\z"));
    return re;
}

// The grammar is ASCII; a regular expression matches no text with a lone
// surrogate, so everything else becomes a character no number contains.
QString Ascii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c.unicode() > 0x7f)
            c = u'~';
    }
    return out;
}

int Decimals(Pattern pattern) {
    if (pattern == Pattern::Whole)
        return 0;
    return pattern == Pattern::TwoDecimals ? 2 : 1;
}

std::string ToString(unsigned __int128 n) {
    std::string s;
    do {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return s;
}

unsigned __int128 PowerOfTen(int n) {
    unsigned __int128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

} // namespace

double Val(const QString& text) {
    const QRegularExpressionMatch match = LeadingNumber().match(Ascii(text));
    if (!match.hasMatch())
        return 0.0;
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    const QByteArray number = match.captured(1).toLatin1();
    const double value = strtod_l(number.constData(), nullptr, c);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

bool IsWholeNumber(const QString& text) {
    return WholeNumber().match(Ascii(text)).hasMatch();
}

QString General(double value, int significant) {
    if (value == 0)
        return QStringLiteral("0"); // printf keeps the sign of a negative zero
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significant, value);
    return QString::fromLatin1(buffer);
}

std::optional<QString> Fixed(bool negative, std::uint64_t digits, int exponent, Pattern pattern) {
    const int decimals = Decimals(pattern);
    // n = value x 10^decimals, rounded half away from zero.
    const int scale = exponent + decimals;
    unsigned __int128 n = digits;
    if (scale > 19)
        return std::nullopt;
    if (scale >= 0) {
        n *= PowerOfTen(scale);
    } else if (scale < -20) {
        n = 0; // digits < 2^64 < 10^20 / 2
    } else {
        const unsigned __int128 p = PowerOfTen(-scale);
        const unsigned __int128 remainder = n % p;
        n = n / p + (2 * remainder >= p ? 1 : 0);
    }
    std::string s = ToString(n);
    const auto k = static_cast<std::size_t>(decimals);
    if (s.size() <= k)
        s.insert(0, k + 1 - s.size(), '0');
    std::string fraction = s.substr(s.size() - k);
    if (pattern == Pattern::PointAlways && fraction == "0")
        fraction.clear();
    const std::string point = pattern == Pattern::Whole ? "" : ".";
    const std::string text =
        (negative && n != 0 ? "-" : "") + s.substr(0, s.size() - k) + point + fraction;
    return QString::fromLatin1(text);
}

std::optional<QString> Fixed(double value, int significant, Pattern pattern) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, value);
    // [-]d.ddd...e[+-]xx
    const char* p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::uint64_t digits = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    const int exponent = std::atoi(p + 1) - (significant - 1);
    return Fixed(negative, digits, exponent, pattern);
}

bool HasShape(const QString& text, Pattern pattern, int significant) {
    static const QRegularExpression twoDecimals(
        QStringLiteral(R"(\A-?(0|[1-9][0-9]*)\.[0-9]{2}\z)"));
    static const QRegularExpression oneDecimal(QStringLiteral(R"(\A-?(0|[1-9][0-9]*)\.[0-9]\z)"));
    static const QRegularExpression pointAlways(QStringLiteral(R"(\A-?(0|[1-9][0-9]*)\.[1-9]?\z)"));
    static const QRegularExpression plain(
        QStringLiteral(R"(\A-?(0|[1-9][0-9]*)(\.[0-9]*[1-9])?\z)"));
    static const QRegularExpression scientific(
        QStringLiteral(R"(\A-?[1-9](\.[0-9]*[1-9])?E[+-][0-9]{2,3}\z)"));
    static const QRegularExpression whole(QStringLiteral(R"(\A-?(0|[1-9][0-9]*)\z)"));
    static const QRegularExpression negativeZero(QStringLiteral(R"(\A-0\.?0*\z)"));

    if (negativeZero.match(text).hasMatch())
        return false;
    switch (pattern) {
    case Pattern::TwoDecimals:
        return twoDecimals.match(text).hasMatch();
    case Pattern::OneDecimal:
        return oneDecimal.match(text).hasMatch();
    case Pattern::PointAlways:
        return pointAlways.match(text).hasMatch();
    case Pattern::Whole:
        return whole.match(text).hasMatch();
    case Pattern::General:
        break;
    }
    if (scientific.match(text).hasMatch())
        return text.indexOf(u'E') - (text.contains(u'.') ? 1 : 0) -
                   (text.startsWith(u'-') ? 1 : 0) <=
               significant;
    if (!plain.match(text).hasMatch())
        return false;
    QString digits = text;
    digits.remove(u'-').remove(u'.');
    while (digits.size() > 1 && digits.startsWith(u'0'))
        digits.remove(0, 1);
    return digits.size() <= significant;
}

} // namespace reference
