// Time to load the internal skin: its package bytes in memory to a ready
// model (reader, Options.dat, master bitmap, masks, sections, common
// indexes). Target: a median under 5 ms.
// Run: build/bench-native/bench/pvx_skin_load_bench [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/model/SkinModel.h"

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
    return ms[ms.size() / 2] < 5.0 ? 0 : 1;
}
