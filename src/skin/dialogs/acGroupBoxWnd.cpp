#include "skin/dialogs/acGroupBoxWnd.h"

#include "skin/dialogs/DialogText.h"
#include "skin/engine/sCommonData.h"
#include "skin/model/SkinMasks.h"
#include "skin/paint/BorderGeometry.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"

namespace {

constexpr int kCaptionIndent = 8;  // the caption's left end from the frame's
constexpr int kCaptionGap = 2;     // frame left out either side of the caption
constexpr UINT kCaptionFormat = DT_LEFT | DT_SINGLELINE | DT_EXPANDTABS;

}  // namespace

TacGroupBoxWnd::TacGroupBoxWnd(HWND window, TsSkinManager* manager) : TacOwnPaintWnd(window, "GROUPBOX", manager) {}

Size TacGroupBoxWnd::CaptionSize() const
{
    std::wstring text = WideWindowTextOf(Window());
    WindowDc dc(Window());
    Size measured = MeasureDialogText(dc.Get(), text.empty() ? L"M" : text, Font(), kCaptionFormat, WindowSize().width);
    return {text.empty() ? 0 : measured.width, measured.height};
}

Rect TacGroupBoxWnd::FrameRect() const
{
    Size size = WindowSize();
    return {0, CaptionSize().height / 2, size.width, size.height};
}

Rect TacGroupBoxWnd::CaptionRect() const
{
    Size caption = CaptionSize();
    if (caption.width == 0)
        return {};
    int right = std::min(kCaptionIndent + caption.width, WindowSize().width - kCaptionIndent);
    return {kCaptionIndent, 0, std::max(right, kCaptionIndent), caption.height};
}

void TacGroupBoxWnd::PrepareCache()
{
    TBitmap* cache = CacheOfWindowSize();
    if (!cache)
        return;
    View24 pixels = cache->Pixels24();
    TsBgSource behind = ParentBackground();
    PaintBgInto(pixels, pixels.Bounds(), behind);
    PaintControlItem(TsPaintTarget(pixels, behind), SkinData().Section(), FrameRect(), 0, {});
    Rect caption = CaptionRect();
    if (!caption.IsEmpty()) {
        PaintBgInto(pixels, caption.Inflated(kCaptionGap, 0), behind);
        DrawDialogText(cache->Canvas().Handle(), WideWindowTextOf(Window()), Font(), SkinData().Section(),
                       IsEnabled(), false, kCaptionFormat, caption);
    }
    SkinData().CacheInvalid = false;
}

void TacGroupBoxWnd::ClipOutput(HDC dc)
{
    // The inside belongs to the dialog and the controls in the box.
    Rect frame = FrameRect();
    BorderWidths edge{1, 1, 1, 1};
    if (const TsMaskData* border = SkinData().Section().Border())
        edge = {MaskWidthLeft(*border), MaskWidthTop(*border), MaskWidthRight(*border), MaskWidthBottom(*border)};
    Rect inside = Deflated(frame, edge);
    inside.top = std::max(inside.top, CaptionRect().bottom);
    if (!inside.IsEmpty())
        ExcludeClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
}
