// A skinned parent's cache on the screen around its children: windowless
// children are composed over their piece of the cache off screen, and a
// dialog's copy leaves its child windows alone but shows inside group boxes.

#include <gtest/gtest.h>

#include <windowsx.h>

#include <algorithm>

#include "controls/PvxControlTestSupport.h"
#include "controls/sLabel.h"
#include "gfx/RectFill.h"
#include "skin/engine/CacheCopy.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinTestFiles.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/SectionRef.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"
#include "toolkit/GraphicControl.h"
#include "toolkit/Panel.h"

namespace {

// A windowless child that notes where its paint goes and what lies under it
// then, and draws a blue bar.
class TNotingChild : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    const char* ClassName() const override { return "TNotingChild"; }
    int paints = 0;
    bool onScreen = false;
    Rgb24 under{};

protected:
    void Paint() override
    {
        ++paints;
        HDC dc = Canvas().Handle();
        onScreen = WindowFromDC(dc) != nullptr;
        COLORREF c = GetPixel(dc, 1, 1);
        under = {GetBValue(c), GetGValue(c), GetRValue(c)};
        RECT bar{0, 0, Width(), 4};
        UniqueBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
        FillRect(dc, &bar, blue.Get());
    }
};

class TCacheCopyForm : public TForm {
public:
    using TForm::TForm;
    const char* ClassName() const override { return "TCacheCopyForm"; }
    TsSkinManager* manager = nullptr;
    TsSkinProvider* provider = nullptr;
    TNotingChild* child = nullptr;
    TsLabel* label = nullptr;
    TPanel* panel = nullptr;
    TNotingChild* panelChild = nullptr;

protected:
    void ReadFormData() override
    {
        SetBounds(120, 120, 320, 200);
        manager = new TsSkinManager(this);
        TsStoredSkin opus;
        opus.Name = "Opus (internal)";
        opus.Data = EmbeddedSkinPackage();
        manager->InternalSkins().push_back(std::move(opus));
        manager->SetSkinName("Opus (internal)");
        provider = new TsSkinProvider(this);
        child = CreateControl<TNotingChild>(this, this, "child", 20, 30, 80, 20);
        label = CreateControl<TsLabel>(this, this, "label", 20, 80, 120, 13);
        label->SetCaption("A skinned label");
        panel = CreateControl<TPanel>(this, this, "panel", 180, 20, 120, 100);
        panelChild = CreateControl<TNotingChild>(this, panel, "panelChild", 10, 10, 60, 20);
    }
};

class CacheCopyTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = new TCacheCopyForm(Application);
        form->Create();
        form->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        delete form;
        PumpMessages();
    }
    // The form's cache pixel under a point of its client area.
    Rgb24 CachePixel(Point client) const
    {
        LRESULT offset = SendSkinCommand(form->Handle(), scQueryClientOffset);
        ConstView24 cache = form->provider->SkinData().CacheBitmap()->Pixels24();
        return cache.At(client.x + GET_X_LPARAM(offset), client.y + GET_Y_LPARAM(offset));
    }

    TCacheCopyForm* form = nullptr;
};

// A group box that names its caption band as a skinned one does.
LRESULT CALLBACK BandAnsweringProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == SM_SKINCMD && SkinCmdOf(wParam) == scQueryCaptionHeight)
        return 14;
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, "PvxTestPrevious"));
    return CallWindowProcA(previous, window, msg, wParam, lParam);
}

}  // namespace

TEST_F(CacheCopyTest, WindowlessChildrenArePutOverTheirPieceOfTheCacheInOneCopy)
{
    TNotingChild* child = form->child;
    child->paints = 0;
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    ASSERT_GT(child->paints, 0);
    EXPECT_FALSE(child->onScreen) << "composed off screen, never over the screen's cache copy";
    EXPECT_EQ(child->under, CachePixel({21, 31})) << "over the form's look at its place";
    Image24 screen = GrabClientAsIs(form->Handle());
    EXPECT_EQ(screen.At(30, 31), PureBlue) << "what it drew reaches the screen";
    EXPECT_EQ(screen.At(30, 40), CachePixel({30, 40})) << "with the cache around what it drew";
    Rect label = form->label->BoundsRect();
    EXPECT_GT(CountOf(screen, Rgb24{0x41, 0x41, 0x41}, label), 5) << "the label's caption is there";

    // One child repainting itself alone (a fade frame) is composed the same way.
    child->paints = 0;
    SendSkinCommand(form->Handle(), scSetPaintingChild, 0, reinterpret_cast<LPARAM>(child));
    RECT r = ToRECT(child->BoundsRect());
    RedrawWindow(form->Handle(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendSkinCommand(form->Handle(), scSetPaintingChild, 0, 0);
    EXPECT_EQ(child->paints, 1);
    EXPECT_FALSE(child->onScreen);
    EXPECT_EQ(GrabClientAsIs(form->Handle()).At(30, 31), PureBlue);
}

TEST_F(CacheCopyTest, AnAdaptedPanelPutsItsWindowlessChildrenOverItsLookInOneCopy)
{
    TNotingChild* child = form->panelChild;
    child->paints = 0;
    RedrawWindow(form->panel->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages();
    ASSERT_GT(child->paints, 0);
    EXPECT_FALSE(child->onScreen) << "composed off screen, never over the panel's look on the screen";
    Image24 screen = GrabClientAsIs(form->panel->Handle());
    EXPECT_EQ(screen.At(20, 11), PureBlue) << "what it drew reaches the screen";
}

TEST_F(CacheCopyTest, ADialogsCopyLeavesItsChildWindowsButShowsInsideAGroupBox)
{
    HWND parent = form->Handle();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 20, 60, 24, parent,
                                  nullptr, instance, nullptr);
    HWND group = CreateWindowExA(0, "BUTTON", "Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 60, 160, 90, parent,
                                 nullptr, instance, nullptr);
    SetPropA(group, "PvxTestPrevious",
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(group, GWLP_WNDPROC, LONG_PTR(BandAnsweringProc))));
    TsCommonData binding(nullptr, true, 0);
    const Rgb24 look{10, 120, 230}, before{1, 2, 3};
    FillRectColor(binding.CacheOfSize(300, 170).Pixels24(), {0, 0, 300, 170}, look);
    TBitmap target(300, 170);
    FillRectColor(target.Pixels24(), {0, 0, 300, 170}, before);
    CopyCacheToWindowDC(parent, binding, {0, 0}, target.Canvas().Handle(), {0, 0, 300, 170});
    GdiFlush();
    View24 t = target.Pixels24();
    TsSectionRef groupBox = TsSectionRef::Resolve(&form->manager->Model(), "GROUPBOX");
    BorderWidths w = groupBox.Border() ? MaskBorderWidths(*groupBox.Border()) : BorderWidths{};
    EXPECT_EQ(t.At(5, 5), look) << "the window's own place";
    EXPECT_EQ(t.At(230, 30), before) << "a child window paints its own place";
    EXPECT_EQ(t.At(100, 60 + 13), before) << "the group box's caption band is its own";
    EXPECT_EQ(t.At(100, 60 + std::max(14, w.top)), look) << "below the band, the inside is the window's";
    EXPECT_EQ(t.At(100, 110), look);
    if (w.left > 0) {
        EXPECT_EQ(t.At(20 + w.left - 1, 110), before) << "its border is its own";
    }
    EXPECT_EQ(t.At(20 + w.left, 110), look);
    SetWindowLongPtrA(group, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RemovePropA(group, "PvxTestPrevious")));
    DestroyWindow(group);
    DestroyWindow(button);
}
