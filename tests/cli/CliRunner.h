#pragma once
// Runs the built tessamo-cli the way RunProgram runs a program.
#include "support/RunProgram.h"

namespace tessamo {

using CliRun = ProgramRun;

CliRun RunCli(const std::string& dataFolder, const std::vector<std::string>& args,
              const std::string& today = "03-15-1999", const std::map<std::string, std::string>& extraEnv = {});

}  // namespace tessamo
