#pragma once
// The courses of the demo park's track rides, one point per frame of their
// track files: the track generator writes them as keys, the model
// generator lays the rails and channels along them.
#include <vector>

namespace ridecourses {

struct CoursePoint {
  double x, y, z;
  double heading;  // about the vertical axis, radians, along the course
};

struct Course {
  const char* trackFile;  // under objects/paths
  int frames;             // the course has frames + 1 points, the last on the first
  int speed;              // frames a second
  int keysPerFrame;
  std::vector<CoursePoint> points;
};

// The little train round its station: a lap of 12 s.
Course MiniTrain();
// The roller coaster: out of the station onto a slow lift, a steep drop and
// a fast run over hills back round. Its script acts at frames 57, 97, 156
// and 483 of its 520.
Course Coaster();
// The log flume: boats climb a lift, wind down a channel and shoot down a
// chute into the water (below -0.7 from frame 462 of its 500) before they
// float back into the station.
Course Flume();

}  // namespace ridecourses
