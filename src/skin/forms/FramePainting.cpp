#include "skin/forms/FramePainting.h"

#include <windowsx.h>

#include <algorithm>

#include "gfx/Blit.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/MaskHoleRuns.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Bitmap.h"

void ChooseCaptionImages(const TsSkinModel& model, bool big, int sectionIndex, const std::string& section,
                         TsCaptionSlots& slots, int& restoreMask)
{
    for (TsCaptionSlot& s : slots)
        s = {};
    int global = model.CommonIndexes().GlobalInfo;
    auto globalMask = [&](const std::string& key) { return model.GetMaskIndex(global, "GLOBALINFO", key); };
    auto take = [&](bool bigImages) {
        const std::string prefix = bigImages ? "BICON" : "SICON";
        slots[cbMinimize] = {0, globalMask(prefix + "MIN"), {}, bigImages};
        slots[cbMaximize] = {0, globalMask(prefix + "MAX"), {}, bigImages};
        slots[cbClose] = {0, globalMask(prefix + "CLOSE"), {}, bigImages};
        int help = globalMask(prefix + "HELP");
        slots[cbHelp] = {0, help >= 0 ? help : globalMask("BICONHELP"), {}, bigImages};
    };
    take(big);
    if (!model.IsValidMaskIndex(slots[cbClose].MaskIndex))
        take(true);  // a skin without small images (as the internal one) lends the big ones
    restoreMask = globalMask("BICONNORM");
    if (restoreMask < 0)
        restoreMask = model.GetMaskIndex(sectionIndex, section, "BICONNORM");
}

TsCaptionImages MeasureCaptionImages(const TsSkinModel* model, const TsCaptionSlots& slots)
{
    TsCaptionImages images;
    auto measure = [&](TsCaptionButton b, int& width, bool& valid) {
        int mask = slots[std::size_t(b)].MaskIndex;
        valid = model && model->IsValidMaskIndex(mask);
        width = valid ? MaskFrameSize(model->Masks()[std::size_t(mask)]).width : 21;
    };
    measure(cbClose, images.closeWidth, images.closeValid);
    measure(cbMaximize, images.maximizeWidth, images.maximizeValid);
    measure(cbMinimize, images.minimizeWidth, images.minimizeValid);
    measure(cbHelp, images.helpWidth, images.helpValid);
    images.buttonHeight =
        images.closeValid ? MaskFrameSize(model->Masks()[std::size_t(slots[cbClose].MaskIndex)]).height : 21;
    images.skinSpacing = model ? model->SkinData().BISpace : 0;
    return images;
}

void PaintTitleBand(View24 pixels, const TsSectionRef& title, const TsSectionRef& section, const Rect& band,
                    int state, int buttonsWidth, bool withButtons)
{
    TsPaintTarget onCache(pixels, BgFromImage(pixels, 0, 0));
    PaintSkinItemFast(onCache, title, band, state, true);
    const TsSkinModel* model = section.Model;
    if (!withButtons || !model || !section.IsValid())
        return;
    int titleBar = model->GetMaskIndex(section.Index, section.Data().SectionName, "TITLEBAR");
    if (!model->IsValidMaskIndex(titleBar))
        return;
    const TsMaskData& bar = model->Masks()[std::size_t(titleBar)];
    int barWidth = 2 * (MaskFrameSize(bar).width / 3) + buttonsWidth;
    DrawBorderMask(pixels, {band.right - barWidth, band.top, band.right, band.bottom}, true, true, state, bar,
                   BgFromImage(pixels, 0, 0));
}

bool ChangeHotButton(TsCaptionSlots& slots, int& hotHitCode, int code, const TsButtonRepaint& repaint)
{
    if (code == hotHitCode)
        return false;
    int old = CaptionButtonOfHit(hotHitCode);
    hotHitCode = code;
    if (old >= 0) {
        slots[std::size_t(old)].State = 0;
        repaint(TsCaptionButton(old));
    }
    if (int now = CaptionButtonOfHit(code); now >= 0) {
        slots[std::size_t(now)].State = 1;
        repaint(TsCaptionButton(now));
    }
    return true;
}

void ShowButtonPressed(TsCaptionSlots& slots, int& hotHitCode, int code, const TsButtonRepaint& repaint)
{
    int button = CaptionButtonOfHit(code);
    if (button < 0)
        return;
    ChangeHotButton(slots, hotHitCode, code, repaint);
    slots[std::size_t(button)].State = 2;
    repaint(TsCaptionButton(button));
}

void PlaceCaptionSlots(TsCaptionSlots& slots, const TsCaptionButtonLayout& layout)
{
    for (std::size_t b = 0; b < slots.size(); ++b)
        slots[b].Place = layout.buttons[b].shown ? layout.buttons[b].rect : Rect{};
}

void DrawCaptionGlyph(View24 pixels, const TsSkinModel& model, int mask, const TsCaptionSlot& slot, bool faded)
{
    if (!model.IsValidMaskIndex(mask) || slot.Place.IsEmpty())
        return;
    const TsMaskData& image = model.Masks()[std::size_t(mask)];
    int state = std::clamp(slot.State, 0, MaskFrameCount(image) - 1);
    DrawGlyphMask(pixels, {slot.Place.left, slot.Place.top}, state, BgFromImage(pixels, 0, 0), image,
                  faded ? 2 : kGlyphNormal);
}

void StoreButtonsBackground(TBitmap& into, int& left, ConstView24 cache, const TsFrameGeometry& g)
{
    int stripWidth = std::min(g.buttonsWidth + g.frameWidth + 10, g.formWidth - 1);
    left = g.formWidth - 1 - stripWidth;
    into.SetSize(stripWidth, std::max(g.headerHeight, 1));
    CopyPixels(into.Pixels24(), {0, 0}, cache, Rect::FromSize(left, 0, stripWidth, g.headerHeight));
}

void RestoreButtonBackground(View24 cache, TBitmap& from, int left, const Rect& place)
{
    if (from.Empty())
        return;
    CopyPixels(cache, {place.left, place.top}, from.Pixels24(), place.Translated(-left, 0));
}

void ShowCaptionButton(HWND window, HDC cache, const Rect& place)
{
    HDC dc = GetWindowDC(window);
    BitBlt(dc, place.left, place.top, place.Width(), place.Height(), cache, place.left, place.top, SRCCOPY);
    ReleaseDC(window, dc);
}

std::vector<Rect> FrameHoles(Size window, const TsMaskData* border, const TsMaskData* title)
{
    std::vector<Rect> runs;
    if (border) {
        MaskHoleRuns(runs, window.width, *border, false, 0);
        MaskHoleRuns(runs, window.width, *border, true, window.height - MaskBorderWidths(*border).bottom);
    }
    if (title)
        MaskHoleRuns(runs, window.width, *title, false, 0);
    return runs;
}

void CopyFrameStrips(HDC dc, HDC cache, Size window, int headerHeight, int sideWidth, int bottomHeight)
{
    const int width = window.width, height = window.height;
    const Rect strips[] = {
        {0, 0, width, headerHeight},
        {0, headerHeight, sideWidth, height - bottomHeight},
        {0, height - bottomHeight, width, height},
        {width - sideWidth, headerHeight, width, height - bottomHeight},
    };
    for (const Rect& r : strips)
        if (!r.IsEmpty())
            BitBlt(dc, r.left, r.top, r.Width(), r.Height(), cache, r.left, r.top, SRCCOPY);
}

Point WindowPoint(HWND window, LPARAM screenPoint)
{
    RECT w{};
    GetWindowRect(window, &w);
    return {GET_X_LPARAM(screenPoint) - int(w.left), GET_Y_LPARAM(screenPoint) - int(w.top)};
}

bool TakePressOfSizedWindow(HWND window, LPARAM screenPoint, const TsFrameGeometry& g)
{
    if (IsIconic(window)) {
        SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, screenPoint);
        return true;
    }
    if (IsZoomed(window) && WindowPoint(window, screenPoint).y < g.frameHeight + g.captionHeight) {
        if (GetActiveWindow() != window)
            SetFocus(window);
        return true;
    }
    return false;
}
