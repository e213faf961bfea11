#include "skin/paint/SkinParts.h"

#include <algorithm>

#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SectionBackground.h"
#include "skin/paint/SkinItem.h"
#include "skin/model/SkinModel.h"

namespace {

// A section's look over a rectangle of the bitmap, the way forms and scroll
// bars paint theirs, then its glyph centred in 'glyphArea'.
void PaintFastPart(const TsSkinModel& skin, const char* section, View24 bitmap, const Rect& rect, int state,
                   const TsBgSource& bg, const Rect& glyphArea = {})
{
    TsSectionRef ref = TsSectionRef::Resolve(&skin, section);
    View24 part = bitmap.Subview(rect);
    PaintSkinItemFast(TsPaintTarget(part, ShiftedBg(bg, {rect.left, rect.top})), ref, part.Bounds(), state, true);
    int glyph = skin.GetMaskIndex(ref.Index, section, "GLYPHMASK");
    if (glyph < 0 || glyphArea.IsEmpty())
        return;
    const TsMaskData& g = skin.Masks()[std::size_t(glyph)];
    Size frame = MaskFrameSize(g);
    Point at{glyphArea.left + (glyphArea.Width() - frame.width) / 2,
             glyphArea.top + (glyphArea.Height() - frame.height) / 2};
    DrawGlyphMask(part, at, state, BgFromImage(part, 0, 0), g, kGlyphNormal);
}

}  // namespace

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

Image24 DrawScrollBar(const TsSkinModel& skin, Size size, bool vertical, int state, int32_t backgroundColor)
{
    Image24 bar(size.width, size.height);
    TsBgSource behind = BgFromColor(backgroundColor);
    const int d = vertical ? size.width : size.height;        // the thickness: arrow buttons are square
    const int length = vertical ? size.height : size.width;
    auto along = [vertical, d](int from, int to) {
        return vertical ? Rect{0, from, d, to} : Rect{from, 0, to, d};
    };
    PaintFastPart(skin, vertical ? "SCROLLBAR1V" : "SCROLLBAR1H", bar.View(), bar.View().Bounds(), state, behind);
    TsBgSource onBar = BgFromImage(bar.View(), 0, 0);
    Rect first = along(0, d), second = along(length - d, length);
    Rect square{0, 0, d, d};
    PaintFastPart(skin, vertical ? "SCROLLBTNTOP" : "SCROLLBTNLEFT", bar.View(), first, state, onBar, square);
    PaintFastPart(skin, vertical ? "SCROLLBTNBOTTOM" : "SCROLLBTNRIGHT", bar.View(), second, state, onBar, square);
    int thumbLength = std::max(length / 3, 8);
    Rect thumb = along(d + (length - 2 * d - thumbLength) / 3, d + (length - 2 * d - thumbLength) / 3 + thumbLength);
    PaintFastPart(skin, vertical ? "SCROLLSLIDERV" : "SCROLLSLIDERH", bar.View(), thumb, state, onBar,
                  {0, 0, thumb.Width(), thumb.Height()});
    return bar;
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
    for (int state = 0; state < 3; ++state) {
        parts.push_back({"scrollbar_v_17x119_state" + std::to_string(state),
                         DrawScrollBar(skin, {17, 119}, true, state, memoWhite)});
        parts.push_back({"scrollbar_h_446x17_state" + std::to_string(state),
                         DrawScrollBar(skin, {446, 17}, false, state, memoWhite)});
    }
    parts.insert(parts.begin(), {"form_491x565", std::move(form)});
    return parts;
}
