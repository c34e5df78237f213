#pragma once
// The fixture of the end-to-end command tests: a prepared data folder (TestEnv)
// and Run, which calls tessamo-cli on it. Skipped when the program is not
// built; a derived SetUp calls this one first and returns when IsSkipped().
#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "support/TestEnv.h"

namespace tessamo {

class CliFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef TESSAMO_CLI_PATH
        GTEST_SKIP() << "tessamo-cli is not built";
#endif
    }
    CliRun Run(const std::vector<std::string>& args) { return RunCli(t.folder.path(), args); }
    TestEnv t;
};

}  // namespace tessamo
