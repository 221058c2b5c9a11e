#pragma once

#include <QWidget>

#include <gtest/gtest.h>

namespace support {

// Whether a caption's text fits inside its control as the control draws it,
// in the control's logical pixels. Controls without a caption always pass.
::testing::AssertionResult CaptionFits(QWidget* widget);

} // namespace support
