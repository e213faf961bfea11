#include "skin/dialogs/DialogTestSupport.h"

#include <gtest/gtest.h>

#include <map>

#include "controls/PvxControlTestSupport.h"
#include "skin/dialogs/acDialogWnd.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/FramePainting.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/SkinItem.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"

namespace {

std::map<UINT_PTR, ModalSteps*>& Running()
{
    static std::map<UINT_PTR, ModalSteps*> running;
    return running;
}

std::string ClassNameOf(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WithoutAmpersands(std::string text)
{
    std::erase(text, '&');
    return text;
}

struct DialogSearch {
    std::string captionPart;
    HWND found = nullptr;
};

BOOL CALLBACK FindDialogWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<DialogSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && ClassNameOf(window) == "#32770" &&
        WindowText(window).find(search->captionPart) != std::string::npos) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

struct ChildSearch {
    std::string className;
    std::string text;
    bool anyText;
    HWND found = nullptr;
};

BOOL CALLBACK FindChild(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (_stricmp(ClassNameOf(window).c_str(), search->className.c_str()) == 0 &&
        (search->anyText || WithoutAmpersands(WindowText(window)) == search->text)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM data)
{
    if (ClassNameOf(window) == "#32768" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

Rgb24 PixelAt(const Image24& image, int x, int y)
{
    return image.View().At(x, y);
}

}  // namespace

ModalSteps::ModalSteps(std::vector<std::function<bool()>> steps) : steps_(std::move(steps))
{
    timer_ = SetTimer(nullptr, 0, 20, Tick);
    Running()[timer_] = this;
}

ModalSteps::~ModalSteps()
{
    KillTimer(nullptr, timer_);
    Running().erase(timer_);
}

void CALLBACK ModalSteps::Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    auto it = Running().find(id);
    if (it == Running().end())
        return;
    ModalSteps& self = *it->second;
    // A step may open a modal loop of its own (a menu) in which the timer ticks again.
    if (self.running_ || self.Finished())
        return;
    self.running_ = true;
    if (self.steps_[self.next_]())
        ++self.next_;
    self.running_ = false;
}

HWND FindVisibleDialog(const std::string& captionPart)
{
    DialogSearch search{captionPart};
    EnumWindows(FindDialogWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildWindow(HWND dialog, const std::string& className, const std::string& text)
{
    ChildSearch search{className, text, text.empty()};
    EnumChildWindows(dialog, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindOpenMenu()
{
    HWND found = nullptr;
    EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::string> MenuItemTexts(HWND menuWindow)
{
    std::vector<std::string> texts;
    auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

void PressButton(HWND dialog, const std::string& text)
{
    if (HWND button = FindChildWindow(dialog, "Button", text))
        PostMessageA(button, BM_CLICK, 0, 0);
}

POINT ScreenPoint(HWND window, int x, int y)
{
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left + x, r.top + y};
}

Rgb24 SkinSectionColour(const char* section, bool hot)
{
    TsSectionRef ref = TsSectionRef::Resolve(&DefaultManager()->Model(), section);
    return SkinRgb(hot ? ref.Data().HotColor : ref.Data().Color);
}

void ExpectSkinnedDialog(HWND dialog, POINT clientPoint)
{
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_STYLE) & WS_SYSMENU) << "the window system draws no caption buttons";

    RECT w{};
    GetWindowRect(dialog, &w);
    Size size{int(w.right - w.left), int(w.bottom - w.top)};
    const TsSkinModel& model = DefaultManager()->Model();
    TsSectionRef section = TsSectionRef::Resolve(&model, "DIALOG");
    TsSectionRef title = TsSectionRef::Resolve(&model, "FORMTITLE");
    std::vector<Rect> holes = FrameHoles(size, section.Border(), title.Border());
    ASSERT_FALSE(holes.empty()) << "the skin's corners have key-colour pixels";
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(dialog, region.Get()), ERROR) << "no window region";
    for (const Rect& hole : holes)
        EXPECT_FALSE(PtInRegion(region.Get(), hole.left, hole.top)) << hole.left << "," << hole.top;
    EXPECT_TRUE(PtInRegion(region.Get(), size.width / 2, size.height / 2));

    // The caption band's first row, between the frame and the caption buttons.
    Image24 picture = GrabWindowAsIs(dialog);
    auto* adapter = dynamic_cast<TacDialogWnd*>(TacMainWnd::FromWindow(dialog));
    ASSERT_NE(adapter, nullptr);
    TsFrameGeometry g = adapter->Geometry();
    Rect band{0, 0, size.width, g.frameHeight + g.captionHeight};
    TBitmap reference;
    reference.SetSize(band.right, band.bottom);
    PaintSkinItemFast(TsPaintTarget(reference.Pixels24(), BgFromColor(0)), title, band, adapter->Active() ? 1 : 0,
                      true);
    Point at{size.width / 2, g.frameHeight};
    EXPECT_EQ(PixelAt(picture, at.x, at.y), reference.Pixels24().At(at.x, at.y)) << "FORMTITLE's colour";

    POINT client = clientPoint;
    ClientToScreen(dialog, &client);
    EXPECT_EQ(PixelAt(picture, client.x - w.left, client.y - w.top), SkinRgb(section.Data().Color))
        << "the dialog's background is the skin's";
}
