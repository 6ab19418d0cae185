// The face in the system's colours under high contrast: which part takes
// which colour of the scheme, and the widths kept.
#include "face/high_contrast_style.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(HighContrastStyle, EachPartTakesItsSystemColour)
{
    face::FaceStyle file;
    file.widths = { 9, 4, 2 };
    // Each of the scheme's colours told apart by its red.
    const face::SystemColours scheme{ { 1, 0, 0 }, { 2, 0, 0 }, { 3, 0, 0 }, { 4, 0, 0 } };
    const face::FaceStyle shown = face::HighContrastStyle(file, scheme);
    EXPECT_EQ((std::vector<int>{ shown.background.red, shown.arrows.red, shown.secondArrow.red,
                                 shown.panelBox.red, shown.panelDigits.red }),
              (std::vector<int>{ 1, 2, 3, 3, 4 }));
    EXPECT_TRUE(shown.widths == file.widths);
}

} // namespace
