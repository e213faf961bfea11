#pragma once
// A skinned scroll bar composed on a bitmap of its own size: the two track
// halves meeting under the thumb's centre, the arrow buttons with their
// glyphs, the thumb with its glyph, and the disabled blend; and the box
// between two bars with the size grip. The geometry comes from
// ScrollBarGeometry; this only paints it.

#include "gfx/PixelView.h"
#include "skin/layout/ScrollBarGeometry.h"
#include "skin/paint/SectionRef.h"
#include "skin/paint/SkinBackground.h"

class TsSkinModel;
struct TsMaskData;

// The skin's sections of one direction, resolved once per skin load.
struct TsScrollBarSkin {
    TsSectionRef Track[2];   // SCROLLBAR1H, SCROLLBAR2H (vertical: ...V)
    TsSectionRef Button[2];  // SCROLLBTNLEFT, SCROLLBTNRIGHT (SCROLLBTNTOP, SCROLLBTNBOTTOM)
    TsSectionRef Slider;     // SCROLLSLIDERH (SCROLLSLIDERV)
    const TsMaskData* ButtonGlyph[2] = {nullptr, nullptr};
    const TsMaskData* SliderGlyph = nullptr;
    int32_t HorizontalTrackColor = 0xFFFFFF;  // SCROLLBAR1H's Color, what a disabled bar is tinted towards

    // From the skin's common indexes; nothing valid without a model.
    static TsScrollBarSkin Resolve(const TsSkinModel* model, TsBarKind kind);
    bool IsValid() const { return Track[0].IsValid(); }
};

// How long the arrow buttons are painted: the default arrow length, or
// longer when the skin asks for its button images' own size (SCROLLBTNLEFT
// with ReservedBoolean and a border image).
int PaintedArrowLength(const TsSkinModel& model, TsBarKind kind, int defaultArrow);

// The state frame each part shows.
struct TsBarStates {
    int FirstArrow = 0, SecondArrow = 0;
    int TrackBefore = 0, TrackAfter = 0;
    int Thumb = 0;
    friend bool operator==(const TsBarStates&, const TsBarStates&) = default;
};
// From the part under the pointer (kPartNone when the bar is not hovered)
// and the pressed part shown (kPartNone for none): pressed arrows 2, hot
// arrows 1; a pressed track half 2; the hot thumb 1.
TsBarStates BarStatesOf(int hoverPart, int shownPressedPart);

// What goes where along a bar of length N, in the bar's own coordinates.
struct TsBarPlan {
    int Length = 0;         // N
    int Split = 0;          // the track halves meet here
    int FirstButtonEnd = 0;     // the first button covers [0, FirstButtonEnd)
    int SecondButtonStart = 0;  // the second [SecondButtonStart, N)
    int ArrowRoom = 0;      // D: the glyph is centred in the D-long end square
    bool ShowThumb = false;
    int ThumbStart = 0, ThumbLength = 0;
    TsBarStates States;
    bool Enabled = true;
};
// A bar as it stands: arrows painted 'paintedArrow' (B) long, thumb metrics
// with 'arrow' (A = D); a bar shorter than two painted arrows is two
// half-length buttons over the two track halves, without a thumb.
TsBarPlan PlanBar(const TsScrollInfo& info, int length, int paintedArrow, int arrow, const TsBarStates& states,
                  bool enabled, int minThumb = kMinThumb);
// A bar whose thumb is being dragged: the thumb at thumbStart (bar
// coordinates) pressed, everything else normal.
TsBarPlan PlanDraggedBar(int length, int paintedArrow, int arrow, int thumbStart, int thumbLength);

// Paints the plan into bar (the whole bitmap is the bar). behind lies under
// the bar's pixel (0, 0): the track halves show it through their transparent
// parts and a disabled bar is blended with it. Nothing for an invalid skin.
void PaintScrollBar(View24 bar, TsBarKind kind, const TsScrollBarSkin& skin, const TsBarPlan& plan,
                    const TsBgSource& behind);

// The box between two bars: what lies behind it, and in the grip corner the
// grip image's first frame at its bottom-right corner.
void PaintCornerBox(View24 box, const TsBgSource& behind, const TsMaskData* grip);
