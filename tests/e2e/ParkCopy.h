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
  ~ParkCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }
  ParkCopy(const ParkCopy&) = delete;
  ParkCopy& operator=(const ParkCopy&) = delete;

  // Empty when the copy was made whole.
  std::string Error() const { return m_error ? m_folder.string() + ": " + m_error.message() : std::string(); }
  std::string Folder() const { return m_folder.string(); }

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
