#include "gfx/Gray.h"

namespace {

template <typename Keep>
void Greyed(View24 target, Keep keep)
{
    for (int y = 0; y < target.Height(); ++y) {
        Rgb24* row = target.Row(y);
        for (int x = 0; x < target.Width(); ++x) {
            if (keep(row[x]))
                continue;
            auto mean = uint8_t((row[x].b + row[x].g + row[x].r) / 3);
            row[x] = {mean, mean, mean};
        }
    }
}

}  // namespace

void MakeGray(View24 target)
{
    Greyed(target, [](Rgb24) { return false; });
}

void MakeGrayExcept(View24 target, Rgb24 kept)
{
    Greyed(target, [kept](Rgb24 p) { return p == kept; });
}
