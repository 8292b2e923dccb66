// The tests that draw with Qt run on the off-screen platform unless told otherwise, inside
// one Qt application for the whole run (fonts registered by a test stay valid).
#include "GuiSession.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const velplatform::TGuiSession session;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
