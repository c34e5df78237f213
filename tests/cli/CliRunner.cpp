#include "cli/CliRunner.h"

namespace tessamo {

CliRun RunCli(const std::string& dataFolder, const std::vector<std::string>& args, const std::string& today,
              const std::map<std::string, std::string>& extraEnv) {
#ifdef TESSAMO_CLI_PATH
    return RunProgram(TESSAMO_CLI_PATH, dataFolder, args, today, extraEnv);
#else
    (void)dataFolder, (void)args, (void)today, (void)extraEnv;
    return CliRun{};
#endif
}

}  // namespace tessamo
