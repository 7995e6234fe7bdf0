#pragma once
// The files the resource set-up loads, in the order it loads them: the
// effects with the names the drawing code asks the device for, and the
// named sounds the placed objects and the park's sound code play by key.
#include <cstddef>

struct EffectResource {
  const char* file;  // below the base directory's "\effects\"
  const char* name;
};

enum class SoundKind { Single, Looping };

struct SoundResource {
  const char* key;
  const char* file;  // below "Music\Effects\"
  SoundKind kind;
};

extern const EffectResource kEffectResources[];
extern const std::size_t kEffectResourceCount;
extern const SoundResource kSoundResources[];
extern const std::size_t kSoundResourceCount;

// The looping sound that is stopped right after it is loaded; the park's
// ambience starts it.
extern const char* const kAmbienceSoundKey;
