#include "tools/ridegen/RideCourses.h"

#include <algorithm>
#include <cmath>

namespace ridecourses {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A height profile: (fraction of the lap, height) corners, eased between.
struct Corner {
  double at, height;
};

double Ease(double s) { return s * s * (3.0 - 2.0 * s); }

double HeightAt(const std::vector<Corner>& profile, double t) {
  for (size_t i = 1; i < profile.size(); ++i) {
    if (t > profile[i].at) continue;
    const double span = profile[i].at - profile[i - 1].at;
    const double s = span > 0 ? (t - profile[i - 1].at) / span : 1.0;
    return profile[i - 1].height + (profile[i].height - profile[i - 1].height) * Ease(s);
  }
  return profile.back().height;
}

struct Shape {
  double halfLength, halfWidth;  // the oval
  double wiggle;                 // a sideways swing three times a lap
};

Course Make(const char* file, int frames, int speed, int keys, const Shape& shape,
            const std::vector<Corner>& profile) {
  Course course{file, frames, speed, keys, {}};
  for (int f = 0; f <= frames; ++f) {
    const double t = static_cast<double>(f % frames) / frames;
    const double a = kTwoPi * t;
    const double x = shape.halfLength * std::cos(a);
    const double z = shape.halfWidth * std::sin(a) + shape.wiggle * std::sin(3 * a);
    const double dx = -shape.halfLength * std::sin(a);
    const double dz = shape.halfWidth * std::cos(a) + 3 * shape.wiggle * std::cos(3 * a);
    course.points.push_back({x, HeightAt(profile, t), z, std::atan2(dz, dx)});
  }
  return course;
}

}  // namespace

Course MiniTrain() { return Make("minitrain_track.txt", 60, 5, 4, {9.0, 6.0, 0.0}, {{0.0, 0.3}, {1.0, 0.3}}); }

Course Coaster() {
  const std::vector<Corner> profile = {{0.0, 0.5},   {0.11, 0.5}, {0.19, 12.0}, {0.26, 1.2}, {0.36, 7.0},
                                       {0.46, 2.0},  {0.56, 5.5}, {0.66, 1.5},  {0.76, 4.0}, {0.88, 0.5},
                                       {1.0, 0.5}};
  return Make("skarloop_track.txt", 520, 50, 4, {16.0, 9.0, 2.5}, profile);
}

Course Flume() {
  const std::vector<Corner> profile = {{0.0, 0.3},   {0.128, 0.3}, {0.2, 8.0},    {0.5, 6.5},  {0.86, 4.5},
                                       {0.91, -0.95}, {0.95, -0.95}, {0.99, 0.3}, {1.0, 0.3}};
  return Make("norwhistle_track.txt", 500, 40, 4, {14.0, 10.0, 1.5}, profile);
}

}  // namespace ridecourses
