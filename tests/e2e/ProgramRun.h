#pragma once
// Runs one of the project's programs as the player starts it: a shell command
// in the demo park folder, its standard output and error read whole.
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace e2e {

struct ProgramRun {
  int exitCode = -1;
  std::string output;
};

inline std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// The command line of a program with the environment given; sound goes to
// OpenAL's null output so that no test needs a sound device.
inline std::string ProgramCommand(const std::string& environment, const std::string& program,
                                  const std::string& arguments) {
  return "env " + environment + " ALSOFT_DRIVERS=null " + Quoted(program) + " " + arguments;
}

inline ProgramRun RunInPark(const std::string& command) {
  const std::string line = "cd " + Quoted(HALVENOR_PARK_DIR) + " && " + command + " 2>&1";
  ProgramRun run;
  std::FILE* pipe = popen(line.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, got);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace e2e
