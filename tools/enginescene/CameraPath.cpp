#include "tools/enginescene/CameraPath.h"

#include <cmath>
#include <utility>

#include "platform/math/Math.h"

CameraPath::CameraPath(std::vector<SceneCameraPoint> points, float secondsPerPoint)
    : m_points(std::move(points)), m_secondsPerPoint(secondsPerPoint > 0 ? secondsPerPoint : 1) {}

SceneCameraPoint CameraPath::At(double seconds) const {
  if (m_points.empty()) return {{0, 0, 0}, {0, 0, 1}};
  if (m_points.size() == 1 || seconds <= 0) return m_points.front();
  const double legs = seconds / m_secondsPerPoint;
  const double whole = std::floor(legs);
  const std::size_t from = std::size_t(std::fmod(whole, double(m_points.size())));
  const std::size_t to = (from + 1) % m_points.size();
  const float s = float(legs - whole);
  const float eased = s * s * (3 - 2 * s);
  return {plat::Vec3Lerp(m_points[from].eye, m_points[to].eye, eased),
          plat::Vec3Lerp(m_points[from].target, m_points[to].target, eased)};
}
