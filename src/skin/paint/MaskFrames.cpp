#include "skin/paint/MaskFrames.h"

#include <algorithm>

#include "skin/model/SkinModel.h"

ConstView24 MaskSourceImage(const TsMaskData& m)
{
    if (m.HasOwnImage())
        return m.Image.View();
    if (m.Model)
        return m.Model->MasterBitmap().View();
    return {};
}

int MaskFrameCount(const TsMaskData& m)
{
    return std::max<int>(m.ImageCount, 1);
}

Size MaskFrameSize(const TsMaskData& m)
{
    return {m.Width() / MaskFrameCount(m), m.Height() / (std::max<int>(m.MaskType, 0) + 1)};
}

int ClampMaskState(const TsMaskData& m, int state)
{
    return std::clamp(state, 0, MaskFrameCount(m) - 1);
}

Rect MaskFrameRect(const TsMaskData& m, int state)
{
    Size frame = MaskFrameSize(m);
    return Rect::FromSize(m.Left + ClampMaskState(m, state) * frame.width, m.Top, frame.width, frame.height);
}
