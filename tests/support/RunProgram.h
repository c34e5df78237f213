#pragma once
// Runs a built program (tessamo, tessamo-cli) on a prepared data folder
// (TESSAMO_HOME) with a fixed today (TESSAMO_TODAY) and the C locale, and
// captures what it printed.
#include <map>
#include <string>
#include <vector>

namespace tessamo {

struct ProgramRun {
    int exitCode = -1;  // -1 when the program did not end normally (a crash)
    std::string out;
    std::string err;
};

ProgramRun RunProgram(const std::string& program, const std::string& dataFolder,
                      const std::vector<std::string>& args, const std::string& today = "03-15-1999",
                      const std::map<std::string, std::string>& extraEnv = {});

}  // namespace tessamo
