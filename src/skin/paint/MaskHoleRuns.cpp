#include "skin/paint/MaskHoleRuns.h"

#include <algorithm>

#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/MaskFrames.h"

void MaskHoleRuns(std::vector<Rect>& runs, int windowWidth, const TsMaskData& mask, bool bottomCorners, int y)
{
    ConstView24 image = MaskSourceImage(mask);
    if (image.IsEmpty())
        return;
    Rect frame = MaskFrameRect(mask, 0);
    int rows = std::clamp(bottomCorners ? MaskWidthBottom(mask) : MaskWidthTop(mask), 0, frame.Height());
    int top = bottomCorners ? frame.bottom - rows : frame.top;
    int left = std::clamp(MaskWidthLeft(mask), 0, frame.Width());
    int right = std::clamp(MaskWidthRight(mask), 0, frame.Width());
    AppendKeyRuns(runs, image, {frame.left, top, frame.left + left, top + rows}, {0, y});
    AppendKeyRuns(runs, image, {frame.right - right, top, frame.right, top + rows},
                  {windowWidth - right, y});
}
