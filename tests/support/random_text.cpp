#include "support/random_text.h"
#include "support/draw.h"

#include <array>
#include <cstdint>

namespace support {
namespace {

const std::array<const char16_t*, 24> kAdversarial{
    u"",       u" ",    u"-",   u"+",   u".",      u"-.",       u"1e308",        u"1e999",
    u"-1e999", u"0x10", u"1,5", u"  7", u"\t8",    u"1e",       u"1e+",          u"--1",
    u"NaN",    u"inf",  u"-0",  u"0.0", u"1e-400", u"4.9e-324", u"3.4028236e38", u"-3.4028236e38"};

int Between(std::mt19937_64& random, int low, int high) {
    return low +
           static_cast<int>(support::Below(random, static_cast<std::uint64_t>(high - low) + 1));
}

QString Digits(std::mt19937_64& random, int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + Between(random, 0, 9));
    return text;
}

QString Number(std::mt19937_64& random) {
    QString text;
    if (Between(random, 0, 3) == 0)
        text += Between(random, 0, 1) ? u'-' : u'+';
    text += Digits(random, Between(random, 0, 4));
    if (Between(random, 0, 1)) {
        text += u'.';
        text += Digits(random, Between(random, 0, 3));
    }
    if (Between(random, 0, 5) == 0) {
        text += Between(random, 0, 1) ? u'e' : u'E';
        if (Between(random, 0, 1))
            text += Between(random, 0, 1) ? u'-' : u'+';
        text += Digits(random, Between(random, 0, 3));
    }
    return text;
}

QString AnyUnicode(std::mt19937_64& random, int length) {
    QString text;
    for (int i = 0; i < length; ++i) {
        const char32_t code = static_cast<char32_t>(Between(random, 0, 0x10FFFF));
        // Surrogate code points are no characters; anything else is.
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        text += QString::fromUcs4(&code, 1);
    }
    return text;
}

} // namespace

QString RandomText(std::mt19937_64& random) {
    switch (Between(random, 0, 9)) {
    case 0:
        return QString::fromUtf16(kAdversarial[static_cast<std::size_t>(
            Between(random, 0, static_cast<int>(kAdversarial.size()) - 1))]);
    case 1:
        return AnyUnicode(random, Between(random, 0, 12));
    case 2: // junk after a number
        return Number(random) + AnyUnicode(random, Between(random, 1, 4));
    case 3: // blanks before it
        return QString(Between(random, 1, 3), Between(random, 0, 1) ? u' ' : u'\t') +
               Number(random);
    case 4: {
        QString text = Number(random);
        text.insert(Between(random, 0, static_cast<int>(text.size())), QChar(u'\0'));
        return text;
    }
    case 5:
        if (Between(random, 0, 19) == 0)
            return QString(Between(random, 1000, 100000), QChar(u'0' + Between(random, 0, 9)));
        return Digits(random, Between(random, 1, 400));
    default:
        return Number(random);
    }
}

} // namespace support
