// Time to paint the internal skin's parts at the main window's sizes into
// memory bitmaps: the 483 x 557 form background with its border, the
// 467 x 140 memo frame, a 99 x 25 button in each of its three states and one
// 99 x 25 fade frame. Targets: every part well under 1 ms, the fade frame
// under 50 microseconds (medians).
// Run: build/bench-native/bench/pvx_skin_paint_bench [ROUNDS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/Merge.h"
#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/SectionBackground.h"
#include "skin/paint/SkinItem.h"
#include "skin/model/SkinModel.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Result {
    std::string name;
    double medianMicroseconds;
    double targetMicroseconds;
};

// The median over rounds of the mean time of one call, each round timing a
// batch of calls long enough for the clock.
double MedianMicroseconds(int rounds, int batch, const std::function<void()>& paint)
{
    std::vector<double> us;
    for (int r = 0; r < rounds; ++r) {
        auto start = Clock::now();
        for (int i = 0; i < batch; ++i)
            paint();
        us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / batch);
    }
    std::sort(us.begin(), us.end());
    return us[us.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 101;
    std::ifstream in(PVX_SKIN_PACKAGE, std::ios::binary);
    std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TsSkinModel skin;
    try {
        skin.LoadFromPackageData(package);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", PVX_SKIN_PACKAGE, e.what());
        return 1;
    }

    const TsSectionRef form = TsSectionRef::Resolve(&skin, "FORM");
    const TsSectionRef edit = TsSectionRef::Resolve(&skin, "EDIT");
    const TsSectionRef button = TsSectionRef::Resolve(&skin, "BUTTON");
    const TsMaskData& buttonBorder = *button.Border();

    Image24 formCache(483, 557);
    auto paintForm = [&] {
        PaintSkinItemFast(TsPaintTarget(formCache.View(), BgFromColor(0x9C8A72)), form, formCache.View().Bounds(), 0,
                          true);
    };
    paintForm();
    const TsBgSource onForm = BgFromImage(formCache.View(), 0, 0);

    Image24 memo(467, 140);
    Image24 buttonCache(99, 25);
    std::vector<Rect> runs;
    auto paintButton = [&](int state) {
        runs.clear();
        PaintSectionBackground(TsPaintTarget(buttonCache.View(), ShiftedBg(onForm, {8, 70})), button,
                               buttonCache.View().Bounds(), state != 0);
        DrawBorderMaskShaped(buttonCache.View(), &runs, true, state, buttonBorder);
    };
    Image24 fadeStart(99, 25, Rgb24{200, 190, 180});
    Image24 fadeFrame(99, 25);
    int weight = 0;

    std::vector<Result> results;
    results.push_back({"form 483x557 background and border", MedianMicroseconds(rounds, 5, paintForm), 1000});
    results.push_back({"memo frame 467x140", MedianMicroseconds(rounds, 20, [&] {
                           PaintControlItem(TsPaintTarget(memo.View(), ShiftedBg(onForm, {8, 150})), edit,
                                            memo.View().Bounds(), 0, {});
                       }), 1000});
    for (int state = 0; state < 3; ++state)
        results.push_back({"button 99x25, state " + std::to_string(state),
                           MedianMicroseconds(rounds, 100, [&] { paintButton(state); }), 1000});
    results.push_back({"fade frame 99x25 (MergeBitmaps)", MedianMicroseconds(rounds, 1000, [&] {
                           MergeBitmaps(fadeFrame.View(), fadeStart.View(), weight = (weight + 13) & 255);
                       }), 50});

    bool met = true;
    for (const Result& r : results) {
        bool ok = r.medianMicroseconds < r.targetMicroseconds;
        met = met && ok;
        std::printf("%-40s median %8.2f us  (target under %.0f us)%s\n", r.name.c_str(), r.medianMicroseconds,
                    r.targetMicroseconds, ok ? "" : "  MISSED");
    }
    // Keeps the painted pixels observable.
    std::printf("(%d rounds; checks %u %u %u %zu)\n", rounds, formCache.At(241, 278).r, memo.At(0, 70).g,
                fadeFrame.At(50, 12).b, runs.size());
    return met ? 0 : 1;
}
