#pragma once
// The settings file in the profile-string format, and the keys the game
// keeps in it. Users make one on the stack, set its path and read or write
// keys; every value is text, read as a number the way atoi reads it (a
// missing key or a text that is no number counts as 0 unless the key's
// default says otherwise). Nothing is reported: an unreadable file reads as
// the defaults and a failed write is ignored.
#include <cstdint>

#include "engine/core/EngineString.h"

// A key of the settings file with the default its readers pass.
struct IniKey {
  const char* section;
  const char* key;
  const char* defaultValue;
};

class CIniFile {
 public:
  // The settings file's game path below the base directory.
  static constexpr const char* kSettingsFile = "\\guifiles\\Options.ini";
  // The longest value a read returns, in characters.
  static constexpr int kMaxValueLength = 2047;

  // The game's keys ("EnableRefration" is spelled so in the file).
  static constexpr IniKey kEnableMusic{"SOUND", "EnableMusic", ""};
  static constexpr IniKey kEnableEffect{"SOUND", "EnableEffect", ""};
  static constexpr IniKey kMusicVolume{"SOUND", "MusicVolume", ""};
  static constexpr IniKey kEffectVolume{"SOUND", "EffectVolume", ""};
  static constexpr IniKey kVideoLevel{"VISUAL", "VideoLevel", ""};
  static constexpr IniKey kBrightness{"VISUAL", "Brightness", ""};
  static constexpr IniKey kResolution{"VISUAL", "Resolution", ""};
  static constexpr IniKey kEnableHiRes{"VISUAL", "EnableHiRes", ""};
  static constexpr IniKey kEnableShadow{"VISUAL", "EnableShadow", ""};
  static constexpr IniKey kEnableReflection{"VISUAL", "EnableReflection", ""};
  static constexpr IniKey kEnableRefraction{"VISUAL", "EnableRefration", ""};
  static constexpr IniKey kEnableParticles{"VISUAL", "EnableParticles", ""};
  static constexpr IniKey kEnableFog{"VISUAL", "EnableFog", ""};
  static constexpr IniKey kEnableAnimals{"VISUAL", "EnableAnimals", ""};
  static constexpr IniKey kEnableFarCut{"VISUAL", "EnableFarCut", "1"};
  // The tutorial's start reads the lesson with "1", the command handler
  // with "-1" (no lesson yet).
  static constexpr IniKey kActualLearnLevel{"TUTORIAL", "ActualLearnLevel", "1"};
  static constexpr IniKey kActualLearnLevelCommand{"TUTORIAL", "ActualLearnLevel", "-1"};
  static constexpr IniKey kSavedSceneName{"TUTORIAL", "SavedSceneName", "Tutorial"};

  // A file whose path is the base directory followed by the settings
  // file's game path.
  static CIniFile Settings(const EngineString& baseDirectory);

  void SetPath(const EngineString& path) { m_path = path; }
  const EngineString& GetPath() const { return m_path; }

  // The value, or the default when the file, the section or the key is
  // missing; cut to kMaxValueLength characters.
  EngineString ReadString(const EngineString& section, const EngineString& key,
                          const EngineString& defaultValue) const;
  EngineString ReadString(const IniKey& key) const;
  // The value read as atoi reads it ("01" is 1, a text that is no number 0).
  int32_t ReadInt(const IniKey& key) const;
  // Creates the file and the section when missing.
  void WriteString(const EngineString& section, const EngineString& key, const EngineString& value) const;

 private:
  EngineString m_path;
};
