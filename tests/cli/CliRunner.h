#pragma once
// Runs the built tessamo-cli on a prepared data folder (TESSAMO_HOME) with a
// fixed today (TESSAMO_TODAY) and the C locale, and captures what it printed.
#include <map>
#include <string>
#include <vector>

namespace tessamo {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` the same way (used for the windowed program too).
CliRun RunProgram(const std::string& program, const std::string& dataFolder, const std::vector<std::string>& args,
                  const std::string& today = "03-15-1999", const std::map<std::string, std::string>& extraEnv = {});

CliRun RunCli(const std::string& dataFolder, const std::vector<std::string>& args,
              const std::string& today = "03-15-1999", const std::map<std::string, std::string>& extraEnv = {});

}  // namespace tessamo
