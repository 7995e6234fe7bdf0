#pragma once
// What a test process that opens a real window needs so that the leak
// checker reports only our own blocks (see DisplayLeaks.cpp).

namespace test_support {

// Keeps the GL driver's libraries loaded until the process ends, so that
// the leak checker can tell their blocks from ours. Call it once a live
// device exists.
void KeepRendererLoaded();

}  // namespace test_support
