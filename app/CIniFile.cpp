#include "app/CIniFile.h"


#include "platform/os/Settings.h"

CIniFile CIniFile::Settings(const EngineString& baseDirectory) {
  CIniFile file;
  file.SetPath(baseDirectory + EngineString(kSettingsFile));
  return file;
}

EngineString CIniFile::ReadString(const EngineString& section, const EngineString& key,
                                  const EngineString& defaultValue) const {
  char buffer[kMaxValueLength + 1] = {};
  plat::GetProfileString(section.Std(), key.Std(), defaultValue.Std(), buffer, sizeof buffer, m_path.Std());
  return EngineString(buffer);
}

EngineString CIniFile::ReadString(const IniKey& key) const {
  return ReadString(key.section, key.key, key.defaultValue);
}

// Out-of-range numbers are held to the int32 range, where atoi would be undefined.
int32_t CIniFile::ReadInt(const IniKey& key) const { return ReadString(key).ToInt(); }

void CIniFile::WriteString(const EngineString& section, const EngineString& key, const EngineString& value) const {
  plat::WriteProfileString(section.Std(), key.Std(), value.Std(), m_path.Std());
}
