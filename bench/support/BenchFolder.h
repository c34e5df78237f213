#pragma once
// A temporary data folder with a real file system and a silent dialogs
// stand-in, for benchmarks that run the program's routines on disk.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/SharedState.h"
#include "platform/PosixFileSystem.h"
#include "support/RequireOk.h"

namespace tessamo::bench {

class SilentDialogs : public Dialogs {
public:
    Answer Show(const Message& message) override { return message.defaultButton; }
    std::optional<std::string> Input(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

inline std::string MakeBenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessamo-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
}

struct BenchFolder {
    BenchFolder() : path(MakeBenchFolder()), files(path), clock({3, 15, 1999}),
                    env{files, dialogs, clock, MoneyFormat::Reference()}, state(env) {
        state.SetActiveYear("1999");
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    std::string path;
    PosixFileSystem files;
    SilentDialogs dialogs;
    FixedClock clock;
    Env env;
    SharedState state;
};

}  // namespace tessamo::bench
