#pragma once
// ExpectedFile: the bytes of a checked-in expected file under tests/data/,
// built by hand from a worked example. Tests compare what the code makes
// against it byte for byte; a missing file fails the test with its path.
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace tessamo {

inline std::string ExpectedFile(const std::string& relativePath) {
    const std::string path = std::string(TESSAMO_TEST_DATA) + "/" + relativePath;
    std::ifstream in(path, std::ios::binary);
    if (!in) ADD_FAILURE() << "no expected file " << path;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace tessamo
