// Sheet set generation on one core: sheets per second of the shared fill (25 distinct numbers
// a sheet) for a few top numbers, the clash-heavy 24 among them.
#include "cputime.h"
#include "crtrandom.h"
#include "sheetset.h"

#include <cstdio>

int main()
{
    constexpr int Sheets = 100000; // the largest set the setup allows
    constexpr int Rounds = 20;
    std::printf("%6s  %14s\n", "top", "sheets/s");
    for (int top : {24, 50, 75, 100}) {
        long long checksum = 0;
        const double start = cpuSeconds();
        for (int round = 0; round < Rounds; ++round) {
            CrtRandom random(static_cast<std::uint32_t>(round));
            SheetSet set;
            set.generate({Sheets, top, SheetColour::Blue}, random);
            checksum += set.sheet(Sheets - 1)[24];
        }
        const double seconds = cpuSeconds() - start;
        // The checksum keeps the work from being optimised away.
        std::printf("%6d  %14.0f  (checksum %lld)\n", top, Sheets * double(Rounds) / seconds,
                    checksum);
    }
    return 0;
}
