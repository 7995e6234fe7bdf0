#pragma once
// The sounds of a placed object, addressed by key (its id and the id with a
// suffix). Playing starts the sound and sets its level for the point it is
// heard at; placing only sets the level; a key without a loaded sound does
// nothing.
#include <functional>

#include "engine/core/EngineString.h"
#include "platform/math/Types.h"

namespace attractionsound {

constexpr const char* kNoise = "_NOISE";
constexpr const char* kNoise2 = "_NOISE2";
constexpr const char* kScream = "_SCREAM";
constexpr const char* kStarting = "_STARTING";

// Nothing without the sound manager.
void Play(const EngineString& key, const plat::Vec3& at);
void Stop(const EngineString& key);
// Nothing without the main object.
void Place(const EngineString& key, const plat::Vec3& at);

// Tests follow the sounds through this: "play", "stop" or "place" with the
// key, for every call that reaches the sound manager or the main object.
using Observer = std::function<void(const char* operation, const EngineString& key)>;
void SetObserver(Observer observer);

}  // namespace attractionsound
