#pragma once

#include <span>
#include <string_view>

namespace window {

enum class Kind { Label, Picture, Frame, Option, Command, Line };

// Fonts of the design. Default is the window's font; the others stand for the
// design's 8.25 pt sans serif in a given style, or a larger bold size.
enum class Face {
    Default,
    Bold,
    BoldUnderline,
    Italic,
    Bold12,
    Bold13_5,
    Bold18,
};

// One control of the window. Lengths are twips (15 to the pixel at 96 dpi),
// relative to the container. A line keeps its start point in left/top and its
// end point in width/height as offsets.
struct Control {
    std::string_view name;
    Kind kind;
    std::string_view container; // "Form1" or a frame
    std::string_view caption;
    int left, top, width, height;
    Face face = Face::Default;
    bool highlight = false;
    bool centred = false;
    bool selected = false; // option button selected at start
    // What a display cell holds, or what the line stands for: its accessible
    // name. Captioned controls are named by their caption.
    std::string_view role = {};
};

std::span<const Control> Roster();

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidth = 9210;
inline constexpr int kClientHeight = 6600;

} // namespace window
