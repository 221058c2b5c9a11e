#include "window/roster.h"

#include <array>

namespace window {
namespace {

using enum Kind;
using enum Face;

// Where the author can be reached; a neutral placeholder until there is one.
constexpr std::string_view kContactAddress = "contact@example.org";

constexpr bool kHighlight = true;
constexpr bool kCentred = true;
constexpr bool kSelected = true;

// Containers come before the controls they hold.
constexpr std::array kRoster = std::to_array<Control>({
    // Title and STEP 1 heading
    {"Label1", Label, "Form1", "JOB ANALYSIS WORKSHEET", 3120, 120, 2655, 255, Bold, false,
     kCentred},
    {"Label2", Label, "Form1", "STEP 1. Measure and record task variables", 120, 360, 3975, 375,
     BoldUnderline},
    // Unit system
    {"Frame4", Frame, "Form1", "System Metric", 360, 720, 6975, 735},
    {"Option9", Option, "Frame4", "U.S. Customary  [All distance in inches , Lbs]", 240, 240, 3855,
     375, Default, false, false, kSelected},
    {"Option10", Option, "Frame4", "Metric [All distance in cm , KG]", 3840, 240, 2895, 375},
    // Object weight
    {"Label3", Label, "Form1", "Object Weight (Lbs)", 360, 1560, 1935, 255, BoldUnderline},
    {"Label4", Label, "Form1", "L(AVG)", 360, 1800, 615, 255},
    {"Picture1", Picture, "Form1", "", 960, 1800, 375, 255, Default, false, false, false, "L(AVG)"},
    {"Label5", Label, "Form1", "L(Max)", 1560, 1800, 495, 255},
    {"Picture2", Picture, "Form1", "", 2040, 1800, 375, 255, Default, false, false, false,
     "L(Max)"},
    // Hand location
    {"Label6", Label, "Form1", "Hand Location(in)", 360, 2160, 1695, 255, BoldUnderline},
    {"Label7", Label, "Form1", "Origin", 360, 2400, 615, 255},
    {"Label8", Label, "Form1", "Destination", 1800, 2400, 975, 255},
    {"Label9", Label, "Form1", "H", 360, 2640, 375, 255},
    {"Picture3", Picture, "Form1", "", 480, 2640, 375, 255, Default, false, false, false,
     "Origin H"},
    {"Label10", Label, "Form1", "V", 960, 2640, 375, 255},
    {"Picture4", Picture, "Form1", "", 1080, 2640, 375, 255, Default, false, false, false,
     "Origin V"},
    {"Label11", Label, "Form1", "H", 1800, 2640, 375, 255},
    {"Picture5", Picture, "Form1", "", 1920, 2640, 375, 255, Default, false, false, false,
     "Destination H"},
    {"Label12", Label, "Form1", "V", 2400, 2640, 255, 255},
    {"Picture6", Picture, "Form1", "", 2520, 2640, 375, 255, Default, false, false, false,
     "Destination V"},
    // Vertical distance
    {"Label13", Label, "Form1", "Vertical Distance (in)", 3120, 2160, 1935, 255, BoldUnderline,
     kHighlight},
    {"Label14", Label, "Form1", "D", 3240, 2640, 255, 255},
    {"Picture7", Picture, "Form1", "", 3360, 2640, 495, 255, Default, false, false, false,
     "Vertical distance D"},
    // Asymmetric angle
    {"Label15", Label, "Form1", "Asymmetric Angle (degrees)", 360, 3000, 2415, 255, BoldUnderline},
    {"Label16", Label, "Form1", "Origin", 360, 3240, 855, 255},
    {"Label17", Label, "Form1", "Destination", 1920, 3240, 1095, 255},
    {"Label18", Label, "Form1", "A", 360, 3480, 255, 255},
    {"Picture8", Picture, "Form1", "", 600, 3480, 495, 255, Default, false, false, false,
     "Origin A"},
    {"Label19", Label, "Form1", "A", 1920, 3480, 255, 255},
    {"Picture9", Picture, "Form1", "", 2160, 3480, 495, 255, Default, false, false, false,
     "Destination A"},
    // Work duration and frequency
    {"Frame1", Frame, "Form1", "Work Duration", 5160, 1440, 2175, 1455},
    {"Option1", Option, "Frame1", "<= 1 Hours", 120, 360, 1575, 255, Default, false, false,
     kSelected},
    {"Option2", Option, "Frame1", "> 1 but <= 2 Hours", 120, 720, 1815, 255},
    {"Option3", Option, "Frame1", ">2 but <= 8 Hours", 120, 1080, 1695, 255},
    {"Label24", Label, "Form1", "Frequency Rate", 5160, 3120, 975, 495, BoldUnderline},
    {"Picture18", Picture, "Form1", "", 5160, 3600, 615, 255, Default, false, false, false,
     "Frequency rate"},
    // Coupling
    {"Frame3", Frame, "Form1", "Coupling Multiplier", 7440, 1440, 1695, 1455},
    {"Option6", Option, "Frame3", "Good", 240, 360, 1215, 255, Default, false, false, kSelected},
    {"Option7", Option, "Frame3", "Fair", 240, 720, 1335, 255},
    {"Option8", Option, "Frame3", "Poor", 240, 1080, 1335, 255},
    // Commands
    {"Command1", Command, "Form1", "&CALCULATE", 7440, 3120, 1335, 375},
    {"Command2", Command, "Form1", "E&XIT", 7440, 3600, 1335, 375},
    // Credits
    {"Label44", Label, "Form1", "Created by", 7800, 600, 855, 255, Italic},
    {"Label65", Label, "Form1", "Quellmark", 7440, 840, 1815, 255, Italic},
    {"Label66", Label, "Form1", kContactAddress, 7440, 1080, 1815, 255, Italic},
    {"Label64", Label, "Form1", "Quellmark", 9720, 7800, 1815, 255, Italic},
    // STEP 2 heading and column captions
    {"Label27", Label, "Form1", "STEP 2. Determine the multiplers and computer the RWL's", 120,
     3960, 5055, 255, BoldUnderline},
    {"Label28", Label, "Form1", "RWL =", 1440, 4200, 735, 255, Bold, kHighlight},
    {"Label29", Label, "Form1", "LC  *", 2400, 4200, 495, 255, Bold, kHighlight},
    {"Label20", Label, "Form1", "HM *", 3120, 4200, 495, 255, Bold, kHighlight},
    {"Label21", Label, "Form1", "VM *", 3840, 4200, 615, 255, Bold, kHighlight},
    {"Label22", Label, "Form1", "DM *", 4560, 4200, 495, 255, Bold, kHighlight},
    {"Label23", Label, "Form1", "AM *", 5280, 4200, 495, 255, Bold, kHighlight},
    {"Label25", Label, "Form1", "FM *", 6000, 4200, 495, 255, Bold, kHighlight},
    {"Label26", Label, "Form1", "CM", 6720, 4200, 375, 255, Bold, kHighlight},
    // STEP 2 origin row
    {"Label45", Label, "Form1", "ORIGIN", 120, 4560, 975, 255},
    {"Label30", Label, "Form1", "RWL =", 1440, 4560, 735, 255},
    {"Picture23", Picture, "Form1", "", 2400, 4560, 495, 255, Default, false, false, false,
     "LC at origin"},
    {"Label52", Label, "Form1", "*", 2880, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture10", Picture, "Form1", "", 3120, 4560, 495, 255, Default, false, false, false,
     "HM at origin"},
    {"Label53", Label, "Form1", "*", 3600, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture12", Picture, "Form1", "", 3840, 4560, 495, 255, Default, false, false, false,
     "VM at origin"},
    {"Label56", Label, "Form1", "*", 4320, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture14", Picture, "Form1", "", 4560, 4560, 495, 255, Default, false, false, false,
     "DM at origin"},
    {"Label55", Label, "Form1", "*", 5040, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture16", Picture, "Form1", "", 5280, 4560, 495, 255, Default, false, false, false,
     "AM at origin"},
    {"Label59", Label, "Form1", "*", 5760, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture19", Picture, "Form1", "", 6000, 4560, 495, 255, Default, false, false, false,
     "FM at origin"},
    {"Label63", Label, "Form1", "*", 6480, 4560, 255, 255, Bold12, false, kCentred},
    {"Picture21", Picture, "Form1", "", 6720, 4560, 495, 255, Default, false, false, false,
     "CM at origin"},
    {"Label32", Label, "Form1", "=", 7320, 4560, 375, 255, Bold13_5},
    {"Picture25", Picture, "Form1", "", 7680, 4560, 735, 255, Default, false, false, false,
     "RWL at origin"},
    {"Label34", Label, "Form1", "Lbs", 8520, 4560, 495, 255, Bold12},
    // STEP 2 destination row
    {"Label46", Label, "Form1", "DESTINATION", 120, 5160, 1215, 255},
    {"Label31", Label, "Form1", "RWL =", 1440, 5160, 615, 255},
    {"Picture24", Picture, "Form1", "", 2400, 5160, 495, 255, Default, false, false, false,
     "LC at destination"},
    {"Label54", Label, "Form1", "*", 2880, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture11", Picture, "Form1", "", 3120, 5160, 495, 255, Default, false, false, false,
     "HM at destination"},
    {"Label58", Label, "Form1", "*", 3600, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture13", Picture, "Form1", "", 3840, 5160, 495, 255, Default, false, false, false,
     "VM at destination"},
    {"Label57", Label, "Form1", "*", 4320, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture15", Picture, "Form1", "", 4560, 5160, 495, 255, Default, false, false, false,
     "DM at destination"},
    {"Label60", Label, "Form1", "*", 5040, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture17", Picture, "Form1", "", 5280, 5160, 495, 255, Default, false, false, false,
     "AM at destination"},
    {"Label61", Label, "Form1", "*", 5760, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture20", Picture, "Form1", "", 6000, 5160, 495, 255, Default, false, false, false,
     "FM at destination"},
    {"Label62", Label, "Form1", "*", 6480, 5160, 255, 255, Bold12, false, kCentred},
    {"Picture22", Picture, "Form1", "", 6720, 5160, 495, 255, Default, false, false, false,
     "CM at destination"},
    {"Label33", Label, "Form1", "=", 7320, 5160, 495, 255, Bold13_5},
    {"Picture26", Picture, "Form1", "", 7680, 5160, 735, 255, Default, false, false, false,
     "RWL at destination"},
    {"Label35", Label, "Form1", "Lbs", 8520, 5160, 495, 255, Bold12},
    // STEP 3
    {"Label36", Label, "Form1", "STEP 3. Compute the LIFTING INDEX", 120, 5520, 3375, 255,
     BoldUnderline},
    {"Label41", Label, "Form1", "OBJECECT WEIGHT(L)", 3120, 5880, 1815, 255},
    {"Line3", Line, "Form1", "", 3120, 6120, 1680, 0, Default, false, false, false, "Fraction bar"},
    {"Label42", Label, "Form1", "RWL", 3600, 6240, 375, 375},
    {"Label37", Label, "Form1", "ORIGIN", 120, 5760, 975, 255},
    {"Label39", Label, "Form1", "LIFTING INDEX =", 1440, 5760, 1335, 255},
    {"Label43", Label, "Form1", "=", 5160, 5760, 375, 255, Bold13_5},
    {"Picture29", Picture, "Form1", "", 5520, 5760, 615, 255, Default, false, false, false,
     "Object weight at origin"},
    {"Label48", Label, "Form1", "/", 6120, 5640, 255, 375, Bold18, false, kCentred},
    {"Picture30", Picture, "Form1", "", 6360, 5760, 615, 255, Default, false, false, false,
     "RWL under origin weight"},
    {"Label47", Label, "Form1", "=", 7320, 5760, 375, 255, Bold13_5},
    {"Picture27", Picture, "Form1", "", 7680, 5760, 735, 255, Default, false, false, false,
     "Lifting index at origin"},
    {"Label38", Label, "Form1", "DESTINATION", 120, 6240, 1215, 255},
    {"Label40", Label, "Form1", "LIFTING INDEX = ", 1440, 6240, 1455, 255},
    {"Label51", Label, "Form1", "=", 5160, 6240, 375, 255, Bold13_5},
    {"Picture31", Picture, "Form1", "", 5520, 6240, 615, 255, Default, false, false, false,
     "Object weight at destination"},
    {"Label49", Label, "Form1", "/", 6120, 6120, 255, 375, Bold18, false, kCentred},
    {"Picture32", Picture, "Form1", "", 6360, 6240, 615, 255, Default, false, false, false,
     "RWL under destination weight"},
    {"Label50", Label, "Form1", "=", 7320, 6240, 375, 255, Bold13_5},
    {"Picture28", Picture, "Form1", "", 7680, 6240, 735, 255, Default, false, false, false,
     "Lifting index at destination"},
});

static_assert(kRoster.size() == 112);

} // namespace

std::span<const Control> Roster() {
    return kRoster;
}

} // namespace window
