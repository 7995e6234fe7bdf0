#pragma once
// A copy of the demo park for one run, beside it in the build folder: the
// engine's log, the settings, saved games and scenario scenes the run
// writes or takes away never meet the other tests, which CTest runs side by
// side with it. The copy goes when the run ends (a run that broke off
// leaves it to the next).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/CIniFile.h"

namespace e2e {

class ParkCopy {
 public:
  // Named after the running test: the tests of one program run side by
  // side as processes of their own.
  ParkCopy() : ParkCopy(RunningTestName()) {}
  explicit ParkCopy(const std::string& name)
      : m_folder(std::filesystem::path(HALVENOR_PARK_DIR).parent_path() / ("park_" + name)) {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
    std::filesystem::copy(HALVENOR_PARK_DIR, m_folder, std::filesystem::copy_options::recursive, m_error);
  }
  // A copy whose game draws as on a slow machine.
  ParkCopy(const std::string& name, bool slowMachine) : ParkCopy(name) {
    if (slowMachine) DrawAsOnASlowMachine();
  }
  ~ParkCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }
  ParkCopy(const ParkCopy&) = delete;
  ParkCopy& operator=(const ParkCopy&) = delete;

  // Empty when the copy was made whole.
  std::string Error() const { return m_error ? m_folder.string() + ": " + m_error.message() : std::string(); }
  std::string Folder() const { return m_folder.string(); }

  // The options' small screen without shadows and water mirrors, as a
  // player on a slow machine sets them: the software-drawn window makes a
  // few frames a second, and a windowed run needs some thousands.
  void DrawAsOnASlowMachine() const {
    CIniFile settings;
    const std::string path = (m_folder / "guifiles" / "Options.ini").string();
    settings.SetPath(path.c_str());
    for (const IniKey& key :
         {CIniFile::kResolution, CIniFile::kEnableShadow, CIniFile::kEnableReflection, CIniFile::kEnableRefraction}) {
      settings.WriteString(key.section, key.key, "0");
    }
  }

 private:
  // "Suite_Test", with the slashes of parameterised names made underscores.
  static std::string RunningTestName() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "_" + test->name() : "run";
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
  }

  std::filesystem::path m_folder;
  std::error_code m_error;
};

}  // namespace e2e
