// Writes the largest card box (three card files of 32,767 cards and a
// language file) into the folder given, for the start benchmark.
#include "BenchBox.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    zek::bench::writeLargeBox(QString::fromLocal8Bit(argv[1]));
    return 0;
}
