// Times the installer's start-up check of its carried blocks (CarriedBlocksIntact): once as at a
// start, before anything has touched the blocks' pages, then in rounds of repeated checks.
// Prints key=value lines; times in milliseconds.
//
// Usage: quorrel-bench-seal <rounds>
#include "installer/payload_seal.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kChecksPerRound = 20;

double NowMs() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 21;
    double start = NowMs();
    bool intact = CarriedBlocksIntact();
    std::printf("first_check_ms=%.4f intact=%d\n", NowMs() - start, intact ? 1 : 0);
    for (int round = 0; round < rounds; ++round) {
        start = NowMs();
        for (int check = 0; check < kChecksPerRound; ++check) {
            intact = CarriedBlocksIntact() && intact;
        }
        std::printf("check_ms=%.4f\n", (NowMs() - start) / kChecksPerRound);
    }
    return intact ? 0 : 1;
}
