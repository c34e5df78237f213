#pragma once
// `tessamo --help` and `--version`: answered before the window system is
// touched, so both work without a display (the manual page is made from
// them at build time).
#include <string>
#include <vector>

namespace tessamo {

enum class ProgramRequest { Run, Help, Version };

// --help (or -h) and --version end the program after printing; anything
// else, the toolkit's own options included, is left to the window program.
ProgramRequest ProgramRequestOf(const std::vector<std::string>& arguments);

std::string ProgramUsage();

}  // namespace tessamo
