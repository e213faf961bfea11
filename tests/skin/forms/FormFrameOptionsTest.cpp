// The form skinning component's options and its care of a changing form, on a
// sizable test form of its own: the size grip, snapping to the work area,
// the skin list in the system menu, the form colour, the caption icon, the
// kept caption band, repainting after a size change, and controls added
// while the form shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "controls/PvxControlTestSupport.h"
#include "controls/SkinnedTestForm.h"
#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinTestFiles.h"
#include "skin/forms/PopupMenuReader.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/FormData.h"
#include "gfx/Blit.h"

namespace {

// A windowed control that counts the engine's opaque-state recomputations and its paints.
class TCountingControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int opaqueStates = 0;
    int paints = 0;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scQueryHandled) {
            m.Result = 1;
            return;
        }
        if (m.Msg == SM_SKINCMD && SkinCmdOf(m.WParam) == scOpaqueState && m.LParam == 1)
            ++opaqueStates;
        if (m.Msg == WM_PAINT)
            ++paints;
        TCustomControl::WndProc(m);
    }
};

class TSizableForm : public TSkinnedTestForm {
public:
    using TSkinnedTestForm::TSkinnedTestForm;
    TsSkinProvider* provider = nullptr;

protected:
    void AddControls() override
    {
        SetBorderStyle(TFormBorderStyle::bsSizeable);
        SetCaption("Sizable");
        provider = new TsSkinProvider(this);
        provider->GripMode = TsGripMode::gmRightBottom;
    }
};

class FormFrameOptionsTest : public testing::Test {
protected:
    void SetUp() override { Open({}); }
    void TearDown() override
    {
        delete form;
        ParkPointer();
        PumpMessages();
    }
    void Open(std::vector<uint8_t> package)
    {
        delete form;
        form = new TSizableForm(Application, std::move(package));
        form->Create();
        form->Show();
        PumpMessages();
        window = form->Handle();
        provider = form->provider;
    }
    LRESULT HitAt(Point inWindow) const
    {
        RECT r;
        GetWindowRect(window, &r);
        return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(r.left + inWindow.x, r.top + inWindow.y));
    }
    Rect ClientInWindow() const
    {
        Point o = provider->ClientOffset();
        RECT c;
        GetClientRect(window, &c);
        return {o.x, o.y, o.x + c.right, o.y + c.bottom};
    }
    Image24 CaptionBand() const
    {
        Image24 shot = GrabWindowAsIs(window);
        TsFrameGeometry g = provider->Geometry();
        Image24 band(g.formWidth, g.frameHeight + g.captionHeight);
        for (int y = 0; y < band.Height(); ++y)
            for (int x = 0; x < band.Width(); ++x)
                band.At(x, y) = shot.At(x, y);
        return band;
    }

    TSizableForm* form = nullptr;
    HWND window = nullptr;
    TsSkinProvider* provider = nullptr;
};

Rgb24 SkinColor(const TsSkinModel& model, const char* section)
{
    return ToRgb24(uint32_t(model.Sections()[std::size_t(model.GetSectionIndex(section))].Color));
}

}  // namespace

TEST_F(FormFrameOptionsTest, TheGripIsDrawnInTheClientsCornerAndAnswersHitCode17ForSizing)
{
    const TsSkinModel& model = form->manager->Model();
    Size grip = MaskFrameSize(model.Masks()[std::size_t(
        model.GetMaskIndex(model.CommonIndexes().GlobalInfo, "GLOBALINFO", "GRIPIMAGE"))]);
    Rect client = ClientInWindow();
    Rect place{client.right - grip.width, client.bottom - grip.height, client.right, client.bottom};
    Image24 shot = GrabWindowAsIs(window);
    EXPECT_GT(CountOf(shot, SkinColor(model, "FORM"), place), 0) << "the form's colour between the dots";
    EXPECT_LT(CountOf(shot, SkinColor(model, "FORM"), place), place.Width() * place.Height()) << "the dots";
    EXPECT_EQ(CountOf(shot, SkinColor(model, "FORM"), place.Translated(-grip.width, 0)),
              place.Width() * place.Height())
        << "nothing left of it";
    EXPECT_EQ(HitAt({place.left, place.top}), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt({place.right - 1, place.bottom - 1}), HTBOTTOMRIGHT);
    EXPECT_EQ(HitAt({place.left - 1, place.top}), HTCLIENT);

    provider->GripMode = TsGripMode::gmNone;
    EXPECT_EQ(HitAt({place.left + 1, place.top + 1}), HTCLIENT);
}

TEST_F(FormFrameOptionsTest, WithScreenSnapAMoveCloseToTheWorkAreasEdgesSnapsToThem)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(window, nullptr, work.right - width + 6, work.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, work.right - width + 6) << "ScreenSnap is off by default";
    provider->ScreenSnap = true;
    SetWindowPos(window, nullptr, work.right - width + 6, work.top + 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right, work.right);
    EXPECT_EQ(r.top, work.top + 100);
    SetWindowPos(window, nullptr, work.left + 120, work.bottom - height - 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.bottom, work.bottom);
    EXPECT_EQ(r.left, work.left + 120);
    provider->SnapBuffer = 5;
    SetWindowPos(window, nullptr, work.left + 120, work.bottom - height - 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.bottom, work.bottom - 9) << "farther than the buffer";
}

TEST_F(FormFrameOptionsTest, WithMakeSkinMenuTheSystemMenuListsTheSkinsAndChoosingOneLoadsIt)
{
    TsStoredSkin second;
    second.Name = "Second";
    second.Data = EmbeddedSkinPackage();
    form->manager->InternalSkins().push_back(std::move(second));
    provider->MakeSkinMenu = true;
    PopupMenuReader reader({"Available skins", "Second"});
    RECT r;
    GetWindowRect(window, &r);
    provider->PopupSystemMenu({r.left + 150, r.top + 10});
    PumpMessages();
    ASSERT_TRUE(reader.seen);
    ASSERT_GE(reader.items.size(), 3u);
    EXPECT_EQ(reader.items[0].text, "Available skins");
    EXPECT_EQ(reader.items[1].text, "-");
    ASSERT_EQ(reader.subItems.size(), 2u);
    EXPECT_EQ(reader.subItems[0].text, "Opus (internal)");
    EXPECT_TRUE(reader.subItems[0].checked) << "the current skin";
    EXPECT_FALSE(reader.subItems[1].checked);
    EXPECT_TRUE(reader.clicked);
    EXPECT_EQ(form->manager->SkinName(), "Second");

    provider->MakeSkinMenu = false;
    PopupMenuReader plain;
    provider->PopupSystemMenu({r.left + 150, r.top + 10});
    ASSERT_TRUE(plain.seen);
    EXPECT_EQ(plain.items.front().text, "Restore");
}

TEST_F(FormFrameOptionsTest, UseGlobalColorOffGivesTheFormTheButtonFaceColourBack)
{
    const TColor global = TColor(form->manager->Model().GetGlobalColor());
    ASSERT_NE(global, clBtnFace);
    EXPECT_EQ(form->Color(), global);
    provider->SetUseGlobalColor(false);
    EXPECT_EQ(form->Color(), clBtnFace);
    provider->SetUseGlobalColor(true);
    EXPECT_EQ(form->Color(), global);
}

TEST_F(FormFrameOptionsTest, AFormWithoutAnIconShowsTheProgramsIconThenTheProgramFilesBeforeTheGenericOne)
{
    TsFrameGeometry g = provider->Geometry();
    ASSERT_GT(g.iconWidth, 0);
    Rect icon = g.iconRect;
    auto iconPixels = [&] {
        provider->RebuildFrame();
        Image24 shot = GrabWindowAsIs(window);
        std::vector<Rgb24> pixels;
        for (int y = icon.top; y < icon.bottom; ++y)
            for (int x = icon.left; x < icon.right; ++x)
                pixels.push_back(shot.At(x, y));
        return pixels;
    };
    // Whether pixels are the generic icon drawn over the caption.
    auto generic = [&](const std::vector<Rgb24>& pixels) {
        TBitmap bitmap;
        bitmap.SetSize(icon.Width(), icon.Height(), TPixelFormat::pf24bit);
        View24 view = bitmap.Pixels24();
        for (int y = 0; y < icon.Height(); ++y)
            for (int x = 0; x < icon.Width(); ++x)
                view.At(x, y) = pixels.front();
        DrawIconEx(bitmap.Canvas().Handle(), 0, 0, LoadIconA(nullptr, IDI_APPLICATION), icon.Width(), icon.Height(),
                   0, nullptr, DI_NORMAL);
        int same = 0;
        for (int y = 0; y < icon.Height(); ++y)
            for (int x = 0; x < icon.Width(); ++x)
                same += view.At(x, y) == pixels[std::size_t(y * icon.Width() + x)];
        return same > icon.Width() * icon.Height() * 3 / 4;
    };
    std::vector<Rgb24> application = iconPixels();
    TIcon kept = std::move(Application->Icon());
    std::vector<Rgb24> programFile = iconPixels();
    Application->Icon() = std::move(kept);
    form->Icon().LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON");
    std::vector<Rgb24> own = iconPixels();
    form->Icon() = TIcon();
    EXPECT_TRUE(application == own) << "the application's icon is the program's";
    EXPECT_FALSE(generic(programFile)) << "the program file's icon, as the shell shows it";
    EXPECT_FALSE(generic(own));
    EXPECT_TRUE(std::count(own.begin(), own.end(), own.front()) < std::ptrdiff_t(own.size())) << "an icon is drawn";
}

TEST_F(FormFrameOptionsTest, WhenBothStatesLookAlikeTheCaptionBandIsRestoredAndLooksAsAFullRepaint)
{
    EXPECT_FALSE(provider->HasSavedTitle()) << "the internal frame has an active and an inactive image";
    Open(SkinPackageWith("FORM", "BORDERSMASK", "^0054^0000^0066^0012^0004^0004^0004^0004^1^0^1^1"));
    // Each change of the caption, and of the state (the frame looks alike in both), restores the band.
    auto restoredLooksRepainted = [&](const char* step) {
        ASSERT_TRUE(provider->HasSavedTitle()) << step;
        Image24 restored = CaptionBand();
        SendSkinCommand(window, scRepaint, 0, reinterpret_cast<LPARAM>(form->manager));
        PumpMessages();
        Image24 repainted = CaptionBand();
        Rect changes = BoundsOfChanges(restored, repainted, restored.View().Bounds());
        EXPECT_TRUE(changes.IsEmpty()) << step << ": " << changes.left << "," << changes.top << " - "
                                       << changes.right << "," << changes.bottom;
    };
    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    form->SetCaption("Sizable, inactive");
    PumpMessages();
    restoredLooksRepainted("caption");
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
    PumpMessages();
    SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
    PumpMessages();
    restoredLooksRepainted("state");
    SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
}

TEST_F(FormFrameOptionsTest, ShrinkingAFormWithAGradientClientRepaintsTheWholeClient)
{
    Open(SkinPackageEdited([](std::string& options) {
        std::size_t at = options.find("[FORM]\r\n") + 8;
        options.insert(at, "GRADIENTPERCENT=100\r\nGRADIENTDATA=255;16711680;100;0;0;16711680;16711680;0;0;0\r\n"
                           "HOTGRADIENTPERCENT=100\r\nHOTGRADIENTDATA=255;16711680;100;0;0;16711680;16711680;0;0;0\r\n");
    }));
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left - 40, r.bottom - r.top - 60, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    Image24 screen = GrabClientAsIs(window);
    View24 cache = provider->SkinData().CacheBitmap()->Pixels24();
    Point o = provider->ClientOffset();
    int differing = 0;
    for (int y = 0; y < screen.Height(); y += 3)
        for (int x = 112; x < screen.Width(); x += 5)  // right of the edit
            differing += screen.At(x, y) != cache.At(x + o.x, y + o.y);
    EXPECT_EQ(differing, 0) << "the client shows the gradient of the new height";
}

TEST_F(FormFrameOptionsTest, ControlsAddedWhileTheFormShowsAreAdaptedAndActivationRepaintsTheChildren)
{
    auto* counter = CreateControl<TCountingControl>(form, form, "counter", 150, 60, 60, 40);
    PumpMessages();
    EXPECT_GE(counter->opaqueStates, 3) << "the window's creation, the list's change, and once more after its children";
    TEdit* added = CreateControl<TEdit>(form, form, "added", 150, 120, 80, 21);
    PumpMessages();
    ASSERT_NE(provider->Adapter(), nullptr);
    EXPECT_NE(provider->Adapter()->ItemOf(added), nullptr) << "the new edit is skinned";
    int paints = counter->paints;
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    PumpMessages();
    EXPECT_GT(counter->paints, paints);
}

TEST_F(FormFrameOptionsTest, AManagerRemovedFromTheFormLeavesTheProviderNoPointerToIt)
{
    auto* other = new TsSkinManager(form);
    provider->SkinData().SetSkinManager(other);
    ASSERT_EQ(provider->SkinManager(), other);
    delete other;
    EXPECT_EQ(provider->SkinManager(), form->manager) << "back to the default manager";
    provider->RebuildFrame();
    PumpMessages();
}
