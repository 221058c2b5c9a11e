#pragma once

#include "window/roster.h"

#include <QFont>

namespace window {

// The font a control of the given face is drawn in. Sizes are set in pixels
// (the design's points at 96 dpi), so the captions keep their fit to the
// controls whatever the screen's logical dpi; high-dpi scaling enlarges both.
// Every control of a face shares one font; all seven are made on the first call.
const QFont& FontFor(Face face);

} // namespace window
