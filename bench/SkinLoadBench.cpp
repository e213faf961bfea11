// Time to load the internal skin: its package bytes in memory to a ready
// model (reader, Options.dat, master bitmap, masks, sections, common
// indexes). Target: a median under 5 ms.
// Then a hostile Options.dat read at two sizes, 25,000 and 100,000 sections
// in one PARENTCLASS chain with a key each: the time per section must not
// grow with the size as a quadratic reading's does (four times per section
// at four times the size, and hours in all). Target: the larger file's time
// per section under three times the smaller's; the larger file's tables no
// longer fit in the processor's caches, which costs up to about twice.
// Run: build/bench-native/bench/pvx_skin_load_bench [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include <string>

#include "skin/model/SkinIni.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinSections.h"

namespace {

std::string ChainedSections(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "[S" + std::to_string(i) + "]\r\nPARENTCLASS=S" + std::to_string(i + 1) + "\r\nK" +
                std::to_string(i) + "=1\r\n";
    return text + "[S" + std::to_string(count) + "]\r\nCOLOR=123\r\n";
}

// Microseconds per section to read the text into its INI view and sections (best of three).
double MicrosecondsPerSection(int count)
{
    std::string text = ChainedSections(count);
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {
        auto start = std::chrono::steady_clock::now();
        TsGeneralDataArray sections = ReadSkinSections(TacIniView(text));
        double us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        if (sections.size() != std::size_t(count) + 1 || sections[0].Color != 123)
            return -1;
        best = std::min(best, us / count);
    }
    return best;
}

bool HostileOptionsScaleLinearly()
{
    double small = MicrosecondsPerSection(25000);
    double large = MicrosecondsPerSection(100000);
    std::printf("Options.dat of chained sections: 25000 sections %.3f us each, 100000 sections %.3f us each, "
                "ratio %.2f (target: under 3)\n",
                small, large, large / small);
    return small > 0 && large > 0 && large / small < 3;
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::ifstream in(PVX_SKIN_PACKAGE, std::ios::binary);
    std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (package.empty()) {
        std::fprintf(stderr, "cannot read %s\n", PVX_SKIN_PACKAGE);
        return 1;
    }
    std::vector<double> ms;
    std::size_t sections = 0;
    for (int i = 0; i < rounds; ++i) {
        auto start = std::chrono::steady_clock::now();
        TsSkinModel model;
        model.LoadFromPackageData(package);
        sections += model.Sections().size();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("internal skin load (%zu bytes, %d rounds, %zu sections each): median %.3f ms, min %.3f ms, "
                "90th %.3f ms, max %.3f ms (target: median under 5 ms)\n",
                package.size(), rounds, sections / std::size_t(rounds), ms[ms.size() / 2], ms.front(),
                ms[ms.size() * 9 / 10], ms.back());
    bool linear = HostileOptionsScaleLinearly();
    return ms[ms.size() / 2] < 5.0 && linear ? 0 : 1;
}
