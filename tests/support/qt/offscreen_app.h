#pragma once
// The start of every UI test program: the offscreen platform unless the environment names
// another (test discovery runs the binaries without the test environment).
#include <cstdlib>

inline void UseOffscreenPlatformUnlessSet() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
}
