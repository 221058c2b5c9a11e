#include "window/fonts.h"

namespace window {
namespace {

// Metric-compatible with the classic Windows sans serif, and shipped by every
// Linux distribution (fonts-liberation on Debian).
constexpr auto kFamily = "Liberation Sans";
constexpr int kStretch = 95;

QFont Make(int pixels, bool bold, bool underline, bool italic) {
    QFont font(QString::fromLatin1(kFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    // A touch narrower than the design font's metrics, so that the tightest
    // caption ("L(Max)" in its 33 pixels) keeps its last character.
    font.setStretch(kStretch);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setItalic(italic);
    return font;
}

} // namespace

QFont FontFor(Face face) {
    switch (face) {
    case Face::Default:
        return Make(11, false, false, false);
    case Face::Bold:
        return Make(11, true, false, false);
    case Face::BoldUnderline:
        return Make(11, true, true, false);
    case Face::Italic:
        return Make(11, false, false, true);
    case Face::Bold12:
        return Make(16, true, false, false);
    case Face::Bold13_5:
        return Make(18, true, false, false);
    case Face::Bold18:
        return Make(24, true, false, false);
    }
    return Make(11, false, false, false);
}

} // namespace window
