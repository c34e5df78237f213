#include "support/RunProgram.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/TempFolder.h"

namespace tessamo {

pid_t StartProgram(const std::string& program, const std::string& dataFolder, const std::vector<std::string>& args,
                   const std::string& today, const std::string& outPath, const std::string& errPath,
                   const std::map<std::string, std::string>& extraEnv) {
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("TESSAMO_HOME", dataFolder.c_str(), 1);
        ::setenv("TESSAMO_TODAY", today.c_str(), 1);
        ::setenv("LC_ALL", "C", 1);
        ::unsetenv("TESSAMO_PASSCODE");
        // Our own settings are read from a folder of the test's, never the user's.
        ::setenv("XDG_CONFIG_HOME", (dataFolder + "/.config").c_str(), 1);
        for (const auto& [name, value] : extraEnv) ::setenv(name.c_str(), value.c_str(), 1);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = errPath == outPath ? out : ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int WaitForExit(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ProgramRun RunProgram(const std::string& program, const std::string& dataFolder,
                      const std::vector<std::string>& args, const std::string& today,
                      const std::map<std::string, std::string>& extraEnv) {
    TempFolder capture;
    const std::string outPath = capture.PathOf("out"), errPath = capture.PathOf("err");
    ProgramRun run;
    run.exitCode = WaitForExit(StartProgram(program, dataFolder, args, today, outPath, errPath, extraEnv));
    run.out = capture.Read("out");
    run.err = capture.Read("err");
    return run;
}

}  // namespace tessamo
