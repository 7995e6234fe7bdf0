#pragma once
// What the engine scene shows, read from its XML file: the intro video, the
// music and the click, the static models of each part with their places,
// the walking figures, the bird, the two particle effects and the camera's
// path. Anything the file leaves out is simply not part of the scene.
#include <string>
#include <vector>

#include "platform/math/Types.h"

struct ScenePlacement {
  plat::Vec3 position;
  float turnDegrees = 0;  // about the vertical axis
  float scale = 1;
};

// One static model drawn as part of a named group ("ground", "buildings").
struct SceneModel {
  std::string part;
  std::string file;  // game path of the model file; its textures lie in "textures" beside it
  ScenePlacement place;
};

// A figure that walks to and fro between two points.
struct SceneWalker {
  plat::Vec3 from, to;
  float secondsPerLeg = 10;
};

struct SceneFigureSet {
  std::string file;  // skinned .X model shared by every walker
  std::string animationSet;
  std::vector<SceneWalker> walkers;
};

// A skinned model circling above the park.
struct SceneBird {
  std::string file;
  std::string animationSet;
  plat::Vec3 centre;
  float radius = 10;
  float secondsPerRound = 10;
};

struct SceneCameraPoint {
  plat::Vec3 eye, target;
};

struct SceneDescription {
  std::string video;  // empty: no intro
  float videoMaxSeconds = 5;
  std::string music;
  std::string clickSound;
  float clickEverySeconds = 2;
  std::vector<SceneModel> models;
  SceneFigureSet figures;
  SceneBird bird;
  plat::Vec3 firework;
  plat::Vec3 fountainFrom, fountainTo;
  bool hasFirework = false;
  bool hasFountain = false;
  float cameraSecondsPerPoint = 3;
  std::vector<SceneCameraPoint> cameraPath;
};

// False with the reason when the file is missing, is not XML or has no
// <Scene> element. Missing or unreadable numbers take their defaults.
bool ReadSceneDescription(const std::string& gamePath, SceneDescription& out, std::string& error);
// The same from text (tests and the fuzzer).
bool ParseSceneDescription(const char* text, SceneDescription& out, std::string& error);
