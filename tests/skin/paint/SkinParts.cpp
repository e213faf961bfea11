#include "skin/paint/SkinParts.h"

#include <algorithm>

#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SectionBackground.h"
#include "skin/paint/SkinItem.h"
#include "skin/model/SkinModel.h"

Image24 DrawForm(const TsSkinModel& skin, Size size)
{
    Image24 form(size.width, size.height);
    PaintSkinItemFast(TsPaintTarget(form.View(), BgFromColor(kDesktopColor)), TsSectionRef::Resolve(&skin, "FORM"),
                      form.View().Bounds(), 0, true);
    return form;
}

Image24 DrawEdit(const TsSkinModel& skin, Size size, int state, ConstView24 parent, Point at)
{
    Image24 edit(size.width, size.height);
    PaintControlItem(TsPaintTarget(edit.View(), BgFromImage(parent, at.x, at.y)), TsSectionRef::Resolve(&skin, "EDIT"),
                     edit.View().Bounds(), state, {});
    return edit;
}

Image24 DrawButton(const TsSkinModel& skin, Size size, int state, ConstView24 parent, Point at)
{
    Image24 button(size.width, size.height);
    TsSectionRef ref = TsSectionRef::Resolve(&skin, "BUTTON");
    PaintSectionBackground(TsPaintTarget(button.View(), BgFromImage(parent, at.x, at.y)), ref, button.View().Bounds(),
                           state != 0);
    if (const TsMaskData* border = ref.Border())
        DrawBorderMaskShaped(button.View(), nullptr, true, state, *border);
    return button;
}

Image24 DrawMemoFrame(const TsSkinModel& skin, Size size, ConstView24 parent, Point at)
{
    return DrawEdit(skin, size, 0, parent, at);
}

namespace {

int Thickness(Size size, TsBarKind kind)
{
    return kind == kBarVertical ? size.width : size.height;
}

Image24 DrawPlannedBar(const TsSkinModel& skin, Size size, TsBarKind kind, const TsBarPlan& plan, int32_t background)
{
    Image24 bar(size.width, size.height);
    PaintScrollBar(bar.View(), kind, TsScrollBarSkin::Resolve(&skin, kind), plan, BgFromColor(background));
    return bar;
}

}  // namespace

Image24 DrawScrollBar(const TsSkinModel& skin, Size size, TsBarKind kind, const TsScrollInfo& info,
                      const TsBarStates& states, bool enabled, int32_t backgroundColor)
{
    const int arrow = Thickness(size, kind);
    const int length = kind == kBarVertical ? size.height : size.width;
    TsBarPlan plan = PlanBar(info, length, arrow, arrow, states, enabled);
    return DrawPlannedBar(skin, size, kind, plan, backgroundColor);
}

Image24 DrawDraggedScrollBar(const TsSkinModel& skin, Size size, TsBarKind kind, int thumbStart, int thumbLength,
                             int32_t backgroundColor)
{
    const int arrow = Thickness(size, kind);
    const int length = kind == kBarVertical ? size.height : size.width;
    return DrawPlannedBar(skin, size, kind, PlanDraggedBar(length, arrow, arrow, thumbStart, thumbLength),
                          backgroundColor);
}

std::vector<NamedPicture> MainWindowParts(const TsSkinModel& skin)
{
    std::vector<NamedPicture> parts;
    // The window: a 483 x 557 client in the form's 4-pixel frame.
    Image24 form = DrawForm(skin, {491, 565});
    ConstView24 client = form.View().Subview({4, 4, 487, 561});
    for (int state = 0; state < 2; ++state)
        parts.push_back({"edit_467x21_state" + std::to_string(state), DrawEdit(skin, {467, 21}, state, client, {8, 40})});
    for (int state = 0; state < 3; ++state)
        parts.push_back(
            {"button_99x25_state" + std::to_string(state), DrawButton(skin, {99, 25}, state, client, {8, 70})});
    parts.push_back({"memo_467x140", DrawMemoFrame(skin, {467, 140}, client, {8, 150})});
    const int32_t memoWhite = 0xFFFFFF;
    // A pane of 300 lines showing 9, scrolled to line 100; 900 pixels wide showing 443.
    TsScrollInfo lines{0, 299, 9, 100, 100};
    TsScrollInfo columns{0, 899, 443, 200, 200};
    const Size vertical{17, 119}, horizontal{446, 17};
    auto bar = [&](const char* name, TsBarKind kind, const TsBarStates& states, bool enabled = true) {
        bool v = kind == kBarVertical;
        parts.push_back({std::string(v ? "scrollbar_v_17x119_" : "scrollbar_h_446x17_") + name,
                         DrawScrollBar(skin, v ? vertical : horizontal, kind, v ? lines : columns, states, enabled,
                                       memoWhite)});
    };
    for (TsBarKind kind : {kBarVertical, kBarHorizontal}) {
        bar("normal", kind, {});
        bar("hotarrow", kind, BarStatesOf(kPartSecondArrow, kPartNone));
        bar("hotthumb", kind, BarStatesOf(kPartThumb, kPartNone));
        bar("heldtrack", kind, BarStatesOf(kPartTrackAfter, kPartTrackAfter));
        bar("disabled", kind, {}, false);
    }
    parts.push_back({"scrollbar_v_17x119_dragged", DrawDraggedScrollBar(skin, vertical, kBarVertical, 60, 10, memoWhite)});
    parts.push_back({"scrollbar_v_17x30_short", DrawScrollBar(skin, {17, 30}, kBarVertical, lines,
                                                               BarStatesOf(kPartFirstArrow, kPartNone), true, memoWhite)});
    parts.insert(parts.begin(), {"form_491x565", std::move(form)});
    return parts;
}
