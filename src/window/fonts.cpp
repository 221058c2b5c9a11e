#include "window/fonts.h"

#include <array>

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

const QFont& FontFor(Face face) {
    static_assert(static_cast<int>(Face::Bold18) == 6, "one font per face, in the enum's order");
    static const std::array<QFont, 7> kFonts{
        Make(11, false, false, false), // Default
        Make(11, true, false, false),  // Bold
        Make(11, true, true, false),   // BoldUnderline
        Make(11, false, false, true),  // Italic
        Make(16, true, false, false),  // Bold12
        Make(18, true, false, false),  // Bold13_5
        Make(24, true, false, false),  // Bold18
    };
    return kFonts.at(static_cast<std::size_t>(face));
}

} // namespace window
