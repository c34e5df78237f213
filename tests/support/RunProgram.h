#pragma once
// Runs a built program (tessamo, tessamo-cli) on a prepared data folder
// (TESSAMO_HOME) with a fixed today (TESSAMO_TODAY), the C locale and its own
// configuration folder (XDG_CONFIG_HOME = <data folder>/.config), and
// captures what it printed.
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace tessamo {

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not end normally (a crash)
    std::string out;
    std::string err;
};

// Starts `program` so, with standard output and error to the files named
// (both may name one file), without waiting; WaitForExit gives its exit code,
// -1 when a signal ended it.
pid_t StartProgram(const std::string& program, const std::string& dataFolder, const std::vector<std::string>& args,
                   const std::string& today, const std::string& outPath, const std::string& errPath,
                   const std::map<std::string, std::string>& extraEnv = {});
int WaitForExit(pid_t pid);

ProgramRun RunProgram(const std::string& program, const std::string& dataFolder,
                      const std::vector<std::string>& args, const std::string& today = "03-15-1999",
                      const std::map<std::string, std::string>& extraEnv = {});

}  // namespace tessamo
