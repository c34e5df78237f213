// Writes the ten generated years the search across years is timed on into
// FOLDER, for bench/find_cli.sh to time the command line.
//
//   make_find_years FOLDER
#include <cstdio>

#include "platform/PosixFileSystem.h"
#include "support/YearFolder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_find_years FOLDER\n");
        return 2;
    }
    tessamo::PosixFileSystem files(argv[1]);
    tessamo::bench::WriteTenYears(files);
    return 0;
}
