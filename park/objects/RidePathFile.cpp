#include "park/objects/RidePathFile.h"

#include <optional>
#include <string>

#include "park/objects/WordReader.h"

namespace ridepath {

std::vector<plat::Vec3> ParseRidePath(std::string_view text) {
  std::vector<plat::Vec3> points;
  WordReader words(text, kMaxWordLength);
  if (!words.Next()) return points;  // the header word
  const std::optional<long> count = words.NextInteger();
  if (!count || *count <= 0) return points;
  for (long i = 0; i < *count; ++i) {
    if (!words.Next() || !words.NextInteger()) break;  // the label and the integer
    const std::optional<float> x = words.NextFloat();
    const std::optional<float> z = x ? words.NextFloat() : std::nullopt;
    const std::optional<float> y = z ? words.NextFloat() : std::nullopt;
    if (!y) break;
    points.push_back({*x, *y, *z});
  }
  return points;
}

}  // namespace ridepath
