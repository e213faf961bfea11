// The internal skin "Opus (internal)" loaded from its committed package: the
// facts the rest of the program relies on.

#include <gtest/gtest.h>

#include "skin/model/SkinTestPackages.h"
#include "skin/model/SkinModel.h"

namespace {

class InternalSkin : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        model_ = new TsSkinModel;
        model_->LoadFromPackageData(InternalSkinPackage());
    }
    static void TearDownTestSuite() { delete model_; }

    static const TsGeneralData& Section(const char* name)
    {
        int index = model_->GetSectionIndex(name);
        EXPECT_GE(index, 0) << name;
        return model_->Sections().at(std::size_t(index));
    }
    static int Mask(const char* section, const char* key)
    {
        return model_->GetMaskIndex(model_->GetSectionIndex(section), section, key);
    }
    static const TsMaskData& MaskData(const char* section, const char* key)
    {
        int index = Mask(section, key);
        EXPECT_GE(index, 0) << section << " " << key;
        return model_->Masks().at(std::size_t(index));
    }

    static TsSkinModel* model_;
};

TsSkinModel* InternalSkin::model_ = nullptr;

}  // namespace

TEST_F(InternalSkin, SixtyFourSectionsFromGlobalInfoToForm)
{
    const TsGeneralDataArray& s = model_->Sections();
    ASSERT_EQ(s.size(), 64u);
    EXPECT_EQ(s.front().SectionName, "GLOBALINFO");
    EXPECT_EQ(s.back().SectionName, "FORM");
    EXPECT_EQ(model_->GetSectionIndex("EDIT"), 6);
    EXPECT_EQ(model_->GetSectionIndex("edit"), -1) << "the loaded model compares names exactly";
    EXPECT_TRUE(model_->IsLoaded());
    EXPECT_TRUE(model_->LoadedFromPackage());
    EXPECT_TRUE(model_->LoadWarnings().empty());
    EXPECT_TRUE(model_->IsValidSectionIndex(63));
    EXPECT_FALSE(model_->IsValidSectionIndex(64));
    EXPECT_FALSE(model_->IsValidSectionIndex(-1));
}

TEST_F(InternalSkin, SkinWideData)
{
    const TsSkinData& d = model_->SkinData();
    EXPECT_EQ(FormatSkinVersion(d.Version), "5.41");
    EXPECT_EQ(d.Author, "");
    EXPECT_EQ(d.Description, "");
    EXPECT_EQ(d.Shadow1Color, 8949393);
    EXPECT_EQ(d.Shadow1Offset, 1);
    EXPECT_EQ(d.Shadow1Blur, 6);
    EXPECT_EQ(d.Shadow1Transparency, 0);
    EXPECT_EQ(d.BorderColor, 11449014);
    EXPECT_EQ(d.BISpace, 0);
    EXPECT_EQ(d.BIVAlign, 0);
    EXPECT_EQ(d.SkinPath, "");
    EXPECT_EQ(model_->GetGlobalColor(), 14344676);
    EXPECT_EQ(model_->GetGlobalFontColor(), 4276545);
    const TsGeneralData& global = Section("GLOBALINFO");
    EXPECT_EQ(global.HotColor, 16777215);
    EXPECT_EQ(global.FontColor[kContourLeft], 16777215);
}

TEST_F(InternalSkin, EditBorderMask)
{
    const TsMaskData& edit = MaskData("EDIT", "BORDERSMASK");
    EXPECT_EQ((Rect{edit.Left, edit.Top, edit.Right, edit.Bottom}), (Rect{54, 12, 62, 21}));
    EXPECT_EQ(MaskWidthLeft(edit), 2);
    EXPECT_EQ(MaskWidthTop(edit), 2);
    EXPECT_EQ(MaskWidthRight(edit), 2);
    EXPECT_EQ(MaskWidthBottom(edit), 2);
    EXPECT_EQ(edit.ImageCount, 1);
    EXPECT_EQ(edit.MaskType, 0);
    EXPECT_EQ(edit.StretchMode, 5);
    EXPECT_EQ(edit.Model, model_);
    const TsGeneralData& section = Section("EDIT");
    EXPECT_EQ(section.Color, 16777215);
    EXPECT_EQ(section.HotFontColor[0], 4276545);
}

TEST_F(InternalSkin, DialogTakesFormsColoursAndBorder)
{
    const TsGeneralData& dialog = Section("DIALOG");
    EXPECT_EQ(dialog.ParentClass, "FORM");
    EXPECT_EQ(dialog.Color, 15002349);
    EXPECT_EQ(dialog.HotColor, 15002349);
    EXPECT_EQ(Mask("DIALOG", "BORDERSMASK"), Mask("FORM", "BORDERSMASK"));
    const TsMaskData& form = MaskData("FORM", "BORDERSMASK");
    EXPECT_EQ((Rect{form.Left, form.Top, form.Right, form.Bottom}), (Rect{54, 0, 78, 12}));
    EXPECT_EQ(form.ImageCount, 2);
    EXPECT_EQ(form.StretchMode, 1);
    EXPECT_EQ(MaskWidthLeft(form), 4);
}

TEST_F(InternalSkin, SplitterInheritsTheSmallSpeedButton)
{
    const TsGeneralData& splitter = Section("SPLITTER");
    const TsGeneralData& small = Section("SPEEDBUTTON_SMALL");
    EXPECT_EQ(splitter.ParentClass, "SPEEDBUTTON_SMALL");
    EXPECT_EQ(splitter.Transparency, small.Transparency);
    EXPECT_EQ(splitter.HotTransparency, small.HotTransparency);
    EXPECT_EQ(splitter.FontColor, small.FontColor);
    EXPECT_GE(Mask("SPEEDBUTTON_SMALL", "BORDERSMASK"), 0);
    EXPECT_EQ(Mask("SPLITTER", "BORDERSMASK"), Mask("SPEEDBUTTON_SMALL", "BORDERSMASK"));
}

TEST_F(InternalSkin, RoundToolButtonHasNoBorderMask)
{
    EXPECT_GE(model_->GetSectionIndex("ROUNDTBN"), 0);
    EXPECT_EQ(Mask("ROUNDTBN", "BORDERSMASK"), -1);
}

TEST_F(InternalSkin, SentinelsAndDefaultsOfSectionsThatSayLittle)
{
    const TsGeneralData& fxEdit = Section("FXEDIT");  // COLOR=-1, FONTCOLOR=-1, GRADIENTDATA=?
    EXPECT_EQ(fxEdit.Color, Section("EDIT").Color);
    EXPECT_EQ(fxEdit.FontColor[0], 4276545);
    EXPECT_EQ(fxEdit.GradientData, " ");
    EXPECT_EQ(Mask("FXEDIT", "BORDERSMASK"), Mask("EDIT", "BORDERSMASK"));
    const TsGeneralData& fxCombo = Section("FXCOMBOBOX");  // HOTCOLOR=-1, HOTGRADIENTDATA=?
    EXPECT_EQ(fxCombo.HotColor, 16777215);
    EXPECT_EQ(fxCombo.HotGradientData, "");
    const TsGeneralData& trackBar = Section("TRACKBAR");  // no COLOR, no FONTCOLOR, no parent
    EXPECT_EQ(trackBar.Color, 16777215);
    EXPECT_EQ(trackBar.FontColor, (TsFontColors{0, -1, -1, -1, -1}));
}

TEST_F(InternalSkin, BarPanelGradient)
{
    const TsGeneralData& bar = Section("BARPANEL");
    EXPECT_EQ(bar.GradientData, "15002349;16777215;97;0;0;16777215;16777215;0;0;0");
    ASSERT_EQ(bar.GradientArray.size(), 2u);
    EXPECT_EQ(bar.GradientArray[0], (TsGradSegment{15002349, 16777215, 97, 0}));
}

TEST_F(InternalSkin, PushButtonAndTransparentSections)
{
    const TsGeneralData& button = Section("BUTTON");
    EXPECT_EQ(button.Transparency, 100);
    EXPECT_EQ(button.HotTransparency, 100);
    EXPECT_TRUE(button.ShowFocus);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 20);
    EXPECT_EQ(button.FontColor[0], 4276545);
    EXPECT_EQ(button.HotFontColor[0], 0);
    const TsMaskData& border = MaskData("BUTTON", "BORDERSMASK");
    EXPECT_EQ((Rect{border.Left, border.Top, border.Right, border.Bottom}), (Rect{0, 57, 42, 79}));
    EXPECT_EQ(GetMaskFrameSize(border), (Size{14, 22}));
    EXPECT_EQ(MaskWidthLeft(border), 6);
    for (const char* name : {"GROUPBOX", "CHECKBOX"}) {
        EXPECT_EQ(Section(name).Transparency, 100) << name;
        EXPECT_EQ(Section(name).HotTransparency, 100) << name;
        EXPECT_EQ(Section(name).FontColor[0], 4276545) << name;
    }
    const TsMaskData& group = MaskData("GROUPBOX", "BORDERSMASK");
    EXPECT_EQ(group.Width(), 8);
    EXPECT_EQ(group.Height(), 18);
    EXPECT_EQ(group.MaskType, 1);
    EXPECT_EQ(Mask("BUTTON_BIG", "BORDERSMASK"), Mask("BUTTON", "BORDERSMASK"));
}

TEST_F(InternalSkin, HugeButtonHasItsOwnBitmap)
{
    const TsMaskData& huge = MaskData("BUTTON_HUGE", "BORDERSMASK");
    ASSERT_TRUE(huge.HasOwnImage());
    EXPECT_EQ(huge.Image.Width(), 288);
    EXPECT_EQ(huge.Image.Height(), 192);
    EXPECT_EQ(GetMaskFrameSize(huge), (Size{96, 96}));
    EXPECT_EQ(huge.ImageCount, 3);
    EXPECT_EQ(huge.MaskType, 1);
    EXPECT_EQ(huge.StretchMode, 4);
    EXPECT_EQ(MaskWidthTop(huge), 32);
}

TEST_F(InternalSkin, CaptionButtonsAreBigImagesOnly)
{
    for (const char* key : {"BICONCLOSE", "BICONMIN", "BICONMAX", "BICONNORM", "BICONHELP", "TITLEBUTTON"}) {
        const TsMaskData& m = MaskData("GLOBALINFO", key);
        EXPECT_EQ(m.ImageCount, 3) << key;
        EXPECT_EQ(m.MaskType, 1) << key;
        EXPECT_EQ(GetMaskFrameSize(m), (Size{18, 19})) << key;
        EXPECT_EQ(m.ImgType, TacImgType::itisaGlyph) << key;
    }
    const TsMaskData& close = MaskData("GLOBALINFO", "BICONCLOSE");
    EXPECT_EQ((Rect{close.Left, close.Top, close.Right, close.Bottom}), (Rect{0, 0, 54, 38}));
    for (const char* key : {"SICONCLOSE", "SICONMIN", "SICONMAX", "SICONHELP"})
        EXPECT_EQ(Mask("GLOBALINFO", key), -1) << key;
    EXPECT_EQ(GetMaskFrameSize(MaskData("GLOBALINFO", "GRIPIMAGE")), (Size{12, 12}));
}

TEST_F(InternalSkin, CheckAndRadioGlyphs)
{
    const TsMaskData& checked = MaskData("GLOBALINFO", "BOXCHECKED");
    EXPECT_EQ((Rect{checked.Left, checked.Top, checked.Right, checked.Bottom}), (Rect{106, 0, 145, 13}));
    for (const char* key : {"BOXCHECKED", "BOXGRAYED", "BOXUNCHECKED", "RADIOCHECKED", "RADIOUNCHECKED"})
        EXPECT_EQ(GetMaskFrameSize(MaskData("GLOBALINFO", key)), (Size{13, 13})) << key;
    const TsCommonIndexes& c = model_->CommonIndexes();
    EXPECT_EQ(c.GlobalInfo, 0);
    EXPECT_EQ(c.BoxChecked, Mask("GLOBALINFO", "BOXCHECKED"));
    EXPECT_GE(c.SmallGrayed, 0);
    EXPECT_EQ(c.RadioGrayed, -1) << "the skin has no RADIOGRAYED";
}

TEST_F(InternalSkin, ScrollBarSections)
{
    const TsCommonIndexes& c = model_->CommonIndexes();
    for (const TsSectionIndexes* track : {&c.ScrollBar1H, &c.ScrollBar1V, &c.ScrollBar2H, &c.ScrollBar2V}) {
        ASSERT_GE(track->Section, 0);
        EXPECT_EQ(model_->Sections()[std::size_t(track->Section)].Color, 16447995);
        ASSERT_GE(track->BorderMask, 0);
        EXPECT_EQ(model_->Masks()[std::size_t(track->BorderMask)].ImageCount, 3);
        EXPECT_EQ(track->Pattern, -1);
    }
    for (const TsSectionIndexes* button : {&c.ScrollBtnTop, &c.ScrollBtnBottom, &c.ScrollBtnLeft, &c.ScrollBtnRight}) {
        ASSERT_GE(button->BorderMask, 0);
        const TsMaskData& border = model_->Masks()[std::size_t(button->BorderMask)];
        EXPECT_EQ(GetMaskFrameSize(border), (Size{9, 9}));
        EXPECT_EQ(border.ImageCount, 3);
        EXPECT_EQ(border.StretchMode, 7);
        ASSERT_GE(button->GlyphMask, 0);
        EXPECT_EQ(model_->Masks()[std::size_t(button->GlyphMask)].ImageCount, 3);
    }
    for (const TsSectionIndexes* thumb : {&c.ScrollSliderH, &c.ScrollSliderV}) {
        ASSERT_GE(thumb->BorderMask, 0);
        const TsMaskData& border = model_->Masks()[std::size_t(thumb->BorderMask)];
        EXPECT_EQ(GetMaskFrameSize(border), (Size{9, 9}));
        EXPECT_EQ(border.ImageCount, 2);
        ASSERT_GE(thumb->GlyphMask, 0);
        EXPECT_EQ(model_->Masks()[std::size_t(thumb->GlyphMask)].ImageCount, 1);
    }
    EXPECT_GE(c.ComboBtn.BorderMask, 0);
    EXPECT_EQ(model_->Masks()[std::size_t(c.ComboBtn.BorderMask)].StretchMode, 3);
    EXPECT_GE(c.ComboBox.GlyphMask, 0);
    for (const TsSectionIndexes* tab : {&c.TabTop, &c.TabBottom, &c.TabLeft, &c.TabRight})
        EXPECT_GE(tab->BorderMask, 0);
}

TEST_F(InternalSkin, GripPatternIsATextureWithAMaskRow)
{
    int grip = model_->GetSectionIndex("GRIPH");
    int texture = model_->GetTextureIndex(grip, "GRIPH", "PATTERN");
    ASSERT_GE(texture, 0);
    const TsMaskData& m = model_->Masks()[std::size_t(texture)];
    EXPECT_EQ((Rect{m.Left, m.Top, m.Right, m.Bottom}), (Rect{67, 141, 69, 145}));
    EXPECT_EQ(m.StretchMode, 10);
    EXPECT_EQ(model_->GetTextureIndex(grip, "GRIPH", "BORDERSMASK"), -1);
}

TEST_F(InternalSkin, MasterBitmapHoldsEveryRectangleAndHasFuchsiaHoles)
{
    const Image24& master = model_->MasterBitmap();
    ASSERT_FALSE(master.IsEmpty());
    bool fuchsia = false;
    for (int y = 0; y < master.Height() && !fuchsia; ++y)
        for (int x = 0; x < master.Width() && !fuchsia; ++x)
            fuchsia = master.At(x, y) == Rgb24{255, 0, 255};
    EXPECT_TRUE(fuchsia);
    for (const TsMaskData& m : model_->Masks()) {
        if (m.HasOwnImage())
            continue;
        EXPECT_GT(m.Width(), 0) << m.SectionName << " " << m.PropertyName;
        EXPECT_GT(m.Height(), 0) << m.SectionName << " " << m.PropertyName;
        EXPECT_LE(m.Right, master.Width()) << m.SectionName << " " << m.PropertyName;
        EXPECT_LE(m.Bottom, master.Height()) << m.SectionName << " " << m.PropertyName;
    }
}
