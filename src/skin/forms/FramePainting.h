#pragma once
// What a skinned form and a skinned dialog window paint alike on their
// frame: the caption-button images chosen from the skin and drawn into the
// cache, the caption band (FORMTITLE with the section's TITLEBAR over the
// buttons), the window's shape cut at the border images' corners, and the
// frame strips copied from the cache to the window.

#include <windows.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "gfx/PixelView.h"
#include "skin/frame/CaptionButtons.h"
#include "skin/paint/SectionRef.h"

class TBitmap;

// The question whether a window keeps the window system's shape: the skinned
// dialog window sends it to the window it skins with WParam
// kKeepShapeAnswer before it cuts the window's region, and a window that
// answers kKeepShapeAnswer keeps its rectangle. The form skinning component
// answers 0 for its form itself (a form it skins always takes the skin's
// shape), so the form's own handler never sees the question.
constexpr UINT kQueryKeepShape = 0xBC4D;
constexpr WPARAM kKeepShapeAnswer = 0x41A2;
class TsSkinModel;
struct TsMaskData;

// One caption button as painted: its state, image and place.
struct TsCaptionSlot {
    int State = 0;          // 0 normal, 1 hot, 2 pressed
    int MaskIndex = -1;
    Rect Place;             // window coordinates
    bool BigImage = false;
};
using TsCaptionSlots = std::array<TsCaptionSlot, kCaptionButtons>;

// GLOBALINFO's big (BICON...) or small (SICON..., the big help image lending
// itself) images, the big ones when the close image is missing; the slots'
// states and places are reset. The restore image is GLOBALINFO's BICONNORM,
// else the section's own.
void ChooseCaptionImages(const TsSkinModel& model, bool big, int sectionIndex, const std::string& section,
                         TsCaptionSlots& slots, int& restoreMask);
// The images' sizes (21 pixels for a missing one) as the frame geometry reads them.
TsCaptionImages MeasureCaptionImages(const TsSkinModel* model, const TsCaptionSlots& slots);
// The caption band in the cache: the title section over band, then, with
// caption buttons, the section's TITLEBAR image over the band's right end.
void PaintTitleBand(View24 pixels, const TsSectionRef& title, const TsSectionRef& section, const Rect& band,
                    int state, int buttonsWidth, bool withButtons);
// The caption button a hit code names becomes the hot one (0: none): the old
// one is drawn normal again and the new one hot, each through repaint. False
// when the hot button stays the same.
using TsButtonRepaint = std::function<void(TsCaptionButton)>;
bool ChangeHotButton(TsCaptionSlots& slots, int& hotHitCode, int code, const TsButtonRepaint& repaint);
// The button of the hit code is drawn pressed (it becomes the hot one first).
void ShowButtonPressed(TsCaptionSlots& slots, int& hotHitCode, int code, const TsButtonRepaint& repaint);
// Places every shown slot and draws it (faded when dimmed or not enabled).
void PlaceCaptionSlots(TsCaptionSlots& slots, const TsCaptionButtonLayout& layout);
void DrawCaptionGlyph(View24 pixels, const TsSkinModel& model, int mask, const TsCaptionSlot& slot, bool faded);
// What lies behind the caption buttons (the band's right end), kept to
// repaint one button alone; its left edge in the window is stored in left.
void StoreButtonsBackground(TBitmap& into, int& left, ConstView24 cache, const TsFrameGeometry& g);
// Puts the kept background back under one button's place.
void RestoreButtonBackground(View24 cache, TBitmap& from, int left, const Rect& place);
// A screen point of a non-client mouse message in window coordinates.
Point WindowPoint(HWND window, LPARAM screenPoint);
// A left press on the frame of a minimised window starts moving it; one on
// the caption band of a maximised window only activates it. True when the
// press was taken so.
bool TakePressOfSizedWindow(HWND window, LPARAM screenPoint, const TsFrameGeometry& g);
// Copies one button's place from the cache to the window.
void ShowCaptionButton(HWND window, HDC cache, const Rect& place);
// The key-colour runs of the border image's corners and of the title's top
// corners, to cut from a window this big.
std::vector<Rect> FrameHoles(Size window, const TsMaskData* border, const TsMaskData* title);
// The top band (header rows), the two sides and the bottom strip, from the cache to a window DC.
void CopyFrameStrips(HDC dc, HDC cache, Size window, int headerHeight, int sideWidth, int bottomHeight);
