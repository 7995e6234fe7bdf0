#pragma once
// The engine's camera, frustum and light manager each keep a global slot
// pointing at the newest live one; a destroyed one clears the slot only
// while the slot still names it.
#include <gtest/gtest.h>

#include <memory>

namespace rendertest {

template <class T>
void ExpectSlotFollowsTheNewest(T* const& slot) {
  {
    auto older = std::make_unique<T>();
    EXPECT_EQ(slot, older.get());
    T newer;
    older.reset();
    EXPECT_EQ(slot, &newer);
  }
  EXPECT_EQ(slot, nullptr);
}

}  // namespace rendertest
