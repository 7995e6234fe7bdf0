#pragma once
// Ride path files: a header word, a point count N, then N points of five
// words each: a label, an integer, and x, z, y (the height last). Words are
// separated by any white space and are at most kMaxWordLength characters.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/math/Types.h"

namespace ridepath {

constexpr size_t kMaxWordLength = 79;

// The points as (x, y, z) in the object's own coordinates. A count of 0 or
// less, or one that is not a number, gives no points; reading stops at the
// end of the text, at an over-long word and at a point whose numbers do not
// read, keeping the whole points before it.
std::vector<plat::Vec3> ParseRidePath(std::string_view text);

}  // namespace ridepath
