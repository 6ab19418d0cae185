#include "face/face_geometry.h"

#include <gtest/gtest.h>

TEST(FaceGeometry, Placeholder) { EXPECT_EQ(face::ComputeFaceGeometry(200, 200, 15, 0, 0).cx, 100); }
