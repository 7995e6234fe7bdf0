#include "platform/os/Settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/platform/os/TempTree.h"

namespace plat {
namespace {

constexpr const char* kFile = "\\guifiles\\Options.ini";

class SettingsFileTest : public ::testing::Test {
 protected:
  void WriteFile(const std::string& bytes) { tree.Write("guifiles/Options.ini", bytes); }
  std::string FileText() { return tree.Read("guifiles/Options.ini"); }
  std::string Read(const char* section, const char* key, const char* def = "DEF", std::size_t size = 64) {
    std::vector<char> buf(size + 1, 'X');
    const std::size_t count = GetProfileString(section, key, def, buf.data(), size, kFile);
    EXPECT_EQ(count, std::string(buf.data()).size()) << section << "/" << key;
    return std::string(buf.data());
  }

  test::TempTree tree;
};

struct ReadCase {
  const char* name;
  const char* content;  // nullptr: no file at all
  const char* section;
  const char* key;
  std::size_t size;
  const char* expected;  // the default is "DEF"
};

TEST_F(SettingsFileTest, ReadsValuesAndFallsBackToTheDefaultOnEveryMiss) {
  const ReadCase cases[] = {
      {"plain", "[VISUAL]\nResolution=2\n", "VISUAL", "Resolution", 64, "2"},
      {"case of section and key", "[visual]\nRESOLUTION=2\n", "Visual", "resolution", 64, "2"},
      {"blanks and tabs trimmed", "  [ VISUAL ] \n \tResolution \t=\t 2 x \t\n", "VISUAL", "Resolution", 64, "2 x"},
      {"CRLF lines", "[SOUND]\r\nMusicVolume=-1000\r\n", "SOUND", "MusicVolume", 64, "-1000"},
      {"last line without newline", "[V]\nk=7", "V", "k", 64, "7"},
      {"stray carriage returns", "[V]\r\r\nk=7\r", "V", "k", 64, "7"},
      {"value holding '='", "[V]\nk=a=b\n", "V", "k", 64, "a=b"},
      {"empty value is no miss", "[V]\nk=\n", "V", "k", 64, ""},
      {"first of two keys", "[V]\nk=1\nk=2\n", "V", "k", 64, "1"},
      {"section given twice", "[V]\na=1\n[W]\nk=2\n[v]\nk=3\n", "V", "k", 64, "3"},
      {"unclosed bracket is no section", "[V]\n[broken\nk=1\n", "V", "k", 64, "1"},
      {"no file", nullptr, "V", "k", 64, "DEF"},
      {"empty file", "", "V", "k", 64, "DEF"},
      {"missing section", "[SOUND]\nk=1\n", "V", "k", 64, "DEF"},
      {"missing key", "[V]\nother=1\n", "V", "k", 64, "DEF"},
      {"key of another section", "[W]\nk=1\n[V]\n", "V", "k", 64, "DEF"},
      {"key outside any section", "k=1\n[V]\nother=2\n", "V", "k", 64, "DEF"},
      {"commented key", "[V]\n;k=5\n", "V", "k", 64, "DEF"},
      {"line without '='", "[V]\nk\n", "V", "k", 64, "DEF"},
      {"value cut to the buffer", "[T]\nSavedSceneName=Tutorial\n", "T", "SavedSceneName", 4, "Tut"},
      {"default cut to the buffer", "", "V", "k", 3, "DE"},
      {"buffer of one", "[V]\nk=7\n", "V", "k", 1, ""},
  };
  for (const ReadCase& c : cases) {
    std::filesystem::remove(tree.Host("guifiles/Options.ini"));
    if (c.content) WriteFile(c.content);
    EXPECT_EQ(Read(c.section, c.key, "DEF", c.size), c.expected) << c.name;
  }
}

TEST_F(SettingsFileTest, BufferOfZeroIsLeftUntouched) {
  WriteFile("[V]\nk=7\n");
  char buf[4] = {'a', 'b', 'c', '\0'};
  EXPECT_EQ(GetProfileString("V", "k", "DEF", buf, 0, kFile), 0u);
  EXPECT_STREQ(buf, "abc");
  EXPECT_EQ(GetProfileString("V", "k", "DEF", nullptr, 8, kFile), 0u);
}

TEST_F(SettingsFileTest, IntegersReadLeadingDigitsAndSaturate) {
  struct IntCase {
    const char* value;  // nullptr: the key is missing
    int expected;       // the default is -7
  };
  const IntCase cases[] = {
      {"2", 2},       {"-1", -1}, {"+15", 15},       {"12abc", 12},          {"abc", -7},
      {"", -7},       {"-", -7},  {nullptr, -7},     {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
      {"-2147483648", INT_MIN},
  };
  for (const IntCase& c : cases) {
    WriteFile(c.value ? std::string("[V]\nk=") + c.value + "\n" : "[V]\n");
    EXPECT_EQ(GetProfileInt("V", "k", -7, kFile), c.expected) << (c.value ? c.value : "(missing)");
  }
}

struct WriteCase {
  const char* name;
  const char* before;  // nullptr: no file
  const char* section;
  const char* key;
  const char* value;
  const char* after;
};

TEST_F(SettingsFileTest, WritingChangesOnlyTheKeyAndKeepsEveryOtherLine) {
  const WriteCase cases[] = {
      {"creates file and section", nullptr, "SOUND", "EnableMusic", "1", "[SOUND]\nEnableMusic=1\n"},
      {"appends a missing section", "; mine\n[VISUAL]\nResolution=1\n", "SOUND", "EnableMusic", "0",
       "; mine\n[VISUAL]\nResolution=1\n\n[SOUND]\nEnableMusic=0\n"},
      {"replaces the value in place", "[SOUND]\r\n; note\r\n EnableMusic = 1 \r\n\r\n[VISUAL]\r\nResolution=1\r\n",
       "sound", "ENABLEMUSIC", "0", "[SOUND]\r\n; note\r\nEnableMusic=0\r\n\r\n[VISUAL]\r\nResolution=1\r\n"},
      {"adds a key at the end of its section", "[SOUND]\nEnableMusic=1\n\n[VISUAL]\nResolution=1\n", "SOUND",
       "MusicVolume", "-1000", "[SOUND]\nEnableMusic=1\nMusicVolume=-1000\n\n[VISUAL]\nResolution=1\n"},
      {"new lines follow CRLF", "[VISUAL]\r\nResolution=1\r\n", "TUTORIAL", "ActualLearnLevel", "2",
       "[VISUAL]\r\nResolution=1\r\n\r\n[TUTORIAL]\r\nActualLearnLevel=2\r\n"},
      {"last line without newline", "[SOUND]\nEnableMusic=1", "SOUND", "X", "2", "[SOUND]\nEnableMusic=1\nX=2\n"},
      {"section header last", "[A]\nk=1\n[SOUND]", "SOUND", "X", "2", "[A]\nk=1\n[SOUND]\nX=2\n"},
      {"key outside sections stays", "k=9\n", "V", "k", "1", "k=9\n\n[V]\nk=1\n"},
  };
  for (const WriteCase& c : cases) {
    std::filesystem::remove(tree.Host("guifiles/Options.ini"));
    if (c.before) WriteFile(c.before);
    tree.MakeFolder("guifiles");
    EXPECT_TRUE(WriteProfileString(c.section, c.key, c.value, kFile)) << c.name;
    EXPECT_EQ(FileText(), c.after) << c.name;
    EXPECT_EQ(Read(c.section, c.key), c.value) << c.name;
  }
}

TEST_F(SettingsFileTest, WritingFindsTheFileWhateverTheSpelling) {
  WriteFile("[VISUAL]\nResolution=1\n");
  EXPECT_TRUE(WriteProfileString("VISUAL", "Resolution", "2", "\\GUIFILES\\options.INI "));
  EXPECT_EQ(FileText(), "[VISUAL]\nResolution=2\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.Host("guifiles")),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(SettingsFileTest, FailedWriteReportsFalseAndLeavesNoTemporaryFile) {
  // No folder to write into.
  EXPECT_FALSE(WriteProfileString("V", "k", "1", "\\nofolder\\Options.ini"));
  EXPECT_FALSE(std::filesystem::exists(tree.Host("nofolder")));
  // A folder stands where the file should be: the rename over it fails.
  tree.Write("guifiles/Options.ini/inside.txt", "x");
  EXPECT_FALSE(WriteProfileString("V", "k", "1", kFile));
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(tree.Host("guifiles")))
    names.push_back(entry.path().filename().string());
  EXPECT_EQ(names, std::vector<std::string>{"Options.ini"});
}

TEST_F(SettingsFileTest, EntriesThatWouldBreakTheFileAreRefused) {
  const std::string before = "[V]\nk=1\n";
  WriteFile(before);
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"V", "k", "1\n[X]"}, {"V", "k", "1\r"}, {"V\n", "k", "1"}, {"V]", "k", "1"},
      {"V", "a=b", "1"},    {"V", "", "1"},    {"V", "[k", "1"},  {"V", ";k", "1"},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(WriteProfileString(c.section, c.key, c.value, kFile)) << c.section << "/" << c.key;
  }
  EXPECT_EQ(FileText(), before);
}

TEST_F(SettingsFileTest, ConcurrentWritersLoseNoKey) {
  WriteFile("");
  constexpr int kThreads = 4, kKeys = 8;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t] {
      for (int k = 0; k < kKeys; ++k) {
        WriteProfileString("S" + std::to_string(t), "K" + std::to_string(k), std::to_string(t * 100 + k), kFile);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    for (int k = 0; k < kKeys; ++k) {
      EXPECT_EQ(GetProfileInt("S" + std::to_string(t), "K" + std::to_string(k), -1, kFile), t * 100 + k);
    }
  }
}

}  // namespace
}  // namespace plat
