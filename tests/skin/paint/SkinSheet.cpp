// Draws a sheet of the internal skin's parts at several sizes and states, to
// look at the skin and at the painting: the main window's parts, every
// section that has a border image in states 0, 1 and 2 at three sizes, the
// skin-wide glyphs in every frame, normal and faded. Prints where each part
// lies on the sheet.
// Usage: pvx_skin_sheet SKIN_PACKAGE OUTPUT.bmp  (scripts/skin-sheet-png.sh makes a PNG of it)

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/Blit.h"
#include "gfx/RectFill.h"
#include "skin/paint/SkinParts.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SkinItem.h"
#include "skin/model/SkinModel.h"

namespace {

constexpr int kSheetWidth = 1240;
constexpr int kGap = 8;
const Rgb24 kSheetColour{0x9C, 0x8A, 0x72};  // a slate blue, apart from every skin colour

struct Placed {
    std::string name;
    Image24 picture;
    Point at;
};

// Lays the pictures out left to right in rows, a new row when one is full
// or when a picture asks for it.
class SheetLayout {
public:
    void Add(std::string name, Image24 picture, bool newRow = false)
    {
        if (newRow || x_ + picture.Width() > kSheetWidth - kGap)
            NewRow();
        parts_.push_back({std::move(name), std::move(picture), {x_, y_}});
        x_ += parts_.back().picture.Width() + kGap;
        rowHeight_ = std::max(rowHeight_, parts_.back().picture.Height());
    }
    void NewRow()
    {
        if (rowHeight_ == 0)
            return;
        y_ += rowHeight_ + kGap;
        x_ = kGap;
        rowHeight_ = 0;
    }
    int Height() const { return y_ + rowHeight_ + kGap; }
    const std::vector<Placed>& Parts() const { return parts_; }

private:
    std::vector<Placed> parts_;
    int x_ = kGap, y_ = kGap, rowHeight_ = 0;
};

Image24 SectionItem(const TsSkinModel& skin, const std::string& section, Size size, int state)
{
    Image24 item(size.width, size.height);
    FillRectColor(item.View(), item.View().Bounds(), ToRgb24(uint32_t(skin.GetGlobalColor())));
    PaintSkinItem(TsPaintTarget(item.View(), BgFromColor(skin.GetGlobalColor())), TsSectionRef::Resolve(&skin, section),
                  item.View().Bounds(), state, true);
    return item;
}

Image24 GlyphFrames(const TsSkinModel& skin, const TsMaskData& glyph, int mode)
{
    Size frame = MaskFrameSize(glyph);
    int count = MaskFrameCount(glyph);
    Image24 strip(count * (frame.width + 2), frame.height);
    FillRectColor(strip.View(), strip.View().Bounds(), ToRgb24(uint32_t(skin.GetGlobalColor())));
    for (int state = 0; state < count; ++state)
        DrawGlyphMask(strip.View(), {state * (frame.width + 2), 0}, state, BgFromColor(skin.GetGlobalColor()), glyph,
                      mode);
    return strip;
}

void AddMainWindowParts(SheetLayout& sheet, const TsSkinModel& skin)
{
    Image24 form = DrawForm(skin, {491, 565});
    ConstView24 client = form.View().Subview({4, 4, 487, 561});
    for (Size size : {Size{99, 25}, Size{75, 23}, Size{160, 40}, Size{40, 18}, Size{11, 11}, Size{10, 10}})
        for (int state = 0; state < 3; ++state)
            sheet.Add("button " + std::to_string(size.width) + "x" + std::to_string(size.height) + " state " +
                          std::to_string(state),
                      DrawButton(skin, size, state, client, {8, 70}));
    sheet.NewRow();
    for (Size size : {Size{467, 21}, Size{120, 21}, Size{30, 8}})
        for (int state = 0; state < 2; ++state)
            sheet.Add("edit " + std::to_string(size.width) + "x" + std::to_string(size.height) + " state " +
                          std::to_string(state),
                      DrawEdit(skin, size, state, client, {8, 40}));
    sheet.NewRow();
    const TsScrollInfo lines{0, 299, 9, 100, 100};
    const TsScrollInfo columns{0, 899, 443, 200, 200};
    for (int part : {int(kPartNone), int(kPartFirstArrow), int(kPartThumb), int(kPartTrackBefore)}) {
        TsBarStates hover = BarStatesOf(part, kPartNone), held = BarStatesOf(part, part);
        std::string name = " part " + std::to_string(part);
        sheet.Add("scroll bar 17x119 hover" + name, DrawScrollBar(skin, {17, 119}, kBarVertical, lines, hover, true, 0xFFFFFF));
        sheet.Add("scroll bar 17x40 held" + name, DrawScrollBar(skin, {17, 40}, kBarVertical, lines, held, true, 0xFFFFFF));
    }
    sheet.Add("scroll bar 17x119 disabled", DrawScrollBar(skin, {17, 119}, kBarVertical, lines, {}, false, 0xFFFFFF));
    sheet.Add("memo frame 200x119", DrawMemoFrame(skin, {200, 119}, client, {8, 150}));
    for (int part : {int(kPartNone), int(kPartSecondArrow), int(kPartThumb)})
        sheet.Add("scroll bar 300x17 hover part " + std::to_string(part),
                  DrawScrollBar(skin, {300, 17}, kBarHorizontal, columns, BarStatesOf(part, kPartNone), true, 0xFFFFFF));
    sheet.Add("form 491x565", std::move(form), true);
    sheet.Add("form 160x90", DrawForm(skin, {160, 90}));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SKIN_PACKAGE OUTPUT.bmp\n", argv[0]);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    TsSkinModel skin;
    try {
        skin.LoadFromPackageData(package);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    SheetLayout sheet;
    AddMainWindowParts(sheet, skin);
    sheet.NewRow();
    int bordered = 0;
    for (const TsGeneralData& section : skin.Sections()) {
        if (skin.GetMaskIndex(skin.GetSectionIndex(section.SectionName), section.SectionName, "BORDERSMASK") < 0)
            continue;
        if (bordered++ % 2 == 0)
            sheet.NewRow();
        for (Size size : {Size{90, 30}, Size{30, 20}, Size{9, 9}})
            for (int state = 0; state < 3; ++state)
                sheet.Add(section.SectionName + " " + std::to_string(size.width) + "x" + std::to_string(size.height) +
                              " state " + std::to_string(state),
                          SectionItem(skin, section.SectionName, size, state));
        sheet.Add("", Image24(16, 1, kSheetColour));
    }
    sheet.NewRow();
    for (const TsMaskData& mask : skin.Masks())
        if (mask.ImgType == TacImgType::itisaGlyph)
            for (int mode : {kGlyphNormal, 0})
                sheet.Add(mask.SectionName + " " + mask.PropertyName + (mode == kGlyphNormal ? "" : " faded"),
                          GlyphFrames(skin, mask, mode));

    Image24 page(kSheetWidth, sheet.Height(), kSheetColour);
    for (const Placed& part : sheet.Parts()) {
        CopyPixels(page.View(), part.at, part.picture.View(), part.picture.View().Bounds());
        std::printf("%4d,%4d  %s\n", part.at.x, part.at.y, part.name.c_str());
    }
    std::vector<uint8_t> bytes = EncodeReferenceBmp(page.View());
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
