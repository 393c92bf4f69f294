// Records finished games and stores the variant, in a loop, until it is killed. After each call
// returns it writes one byte to its standard output: 'g' for a game, '0' to '2' for the variant
// stored, so whoever kills it knows exactly which writes had finished.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "StatsFiles.h"

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    const std::filesystem::path base = argv[1];
    const int variant = std::atoi(argv[2]);
    const int total = std::atoi(argv[3]);
    for (unsigned n = 0;; ++n) {
        stats::RecordFinishedGame(base, variant, total);
        if (::write(STDOUT_FILENO, "g", 1) != 1) return 1;
        const char stored = static_cast<char>('0' + n % 3);
        stats::SaveActiveVariant(base, stored - '0');
        if (::write(STDOUT_FILENO, &stored, 1) != 1) return 1;
    }
}
