// Any bytes as the engine scene's file: the description is read and the
// camera path built from it is sampled, as the scene would use them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/enginescene/CameraPath.h"
#include "tools/enginescene/SceneDescription.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated
  SceneDescription scene;
  std::string error;
  if (!ParseSceneDescription(text.c_str(), scene, error)) return 0;
  const CameraPath path(scene.cameraPath, scene.cameraSecondsPerPoint);
  for (double seconds : {0.0, 1.5, 1e6}) (void)path.At(seconds);
  return 0;
}
