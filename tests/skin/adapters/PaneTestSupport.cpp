#include "skin/adapters/PaneTestSupport.h"

#include <cstdlib>
#include <fstream>

#include "controls/PvxControlTestSupport.h"
#include "gfx/BmpEncoder.h"
#include "skin/engine/sSkinManager.h"
#include "support/WinTestHelpers.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

void TPaneTestForm::AddControls()
{
    SetClientSize(483, 260);
    caption = CreateControl<TLabel>(this, this, "caption", 8, 40, 64, 13);
    caption->SetCaption("File 1 Details:");
    pane = CreateControl<TMemo>(this, this, "pane", 8, 56, 467, 140);
    pane->SetReadOnly(true);
    pane->SetScrollBars(TScrollStyle::ssBoth);
    pane->SetTabOrder(1);
}

std::string PaneLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "Line %03d", i);
        text += line;
        if (i % 10 == 5)
            text += std::string(120, '-');
        text += "\r\n";
    }
    return text;
}

MessageLog::MessageLog(TControl* control)
{
    link_ = control->MessageChain().Push(TLinkRole::tlForeign, this, [this](TMessage& m) {
        entries.push_back({m.Msg, m.WParam});
        link_.CallBelow(m);
    });
}

MessageLog::~MessageLog() = default;

int MessageLog::Count(UINT msg, WPARAM wParam) const
{
    int n = 0;
    for (const Entry& e : entries)
        n += e.msg == msg && e.wParam == wParam;
    return n;
}

std::vector<int> MessageLog::VScrollCodes() const
{
    std::vector<int> codes;
    for (const Entry& e : entries)
        if (e.msg == WM_VSCROLL)
            codes.push_back(LOWORD(e.wParam));
    return codes;
}

void PaneTest::SetUp()
{
    ParkPointer();
}

void PaneTest::TearDown()
{
    skinner.reset();
    delete form;
    form = nullptr;
    ParkPointer();
    PumpMessages();
}

void PaneTest::Open(int lines, bool skin)
{
    form = new TPaneTestForm(Application);
    form->Create();
    form->pane->SetText(PaneLines(lines));
    // Made before the form shows, the stand-in is the form's only skinning
    // component: the activation hook leaves a form that answers for itself.
    skinner = std::make_unique<TTestFormSkinner>(form, form->manager);
    form->Show();
    PumpMessages();
    if (skin)
        skinner->Skin();
    PumpMessages();
}

TacScrollWnd* PaneTest::Adapter() const
{
    return dynamic_cast<TacScrollWnd*>(TacMainWnd::FromWindow(form->pane->Handle()));
}

int PaneTest::FirstLine() const
{
    return int(SendMessageA(form->pane->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

void PaneTest::MouseAt(Point screen, DWORD buttons)
{
    POINT p{screen.x, screen.y};
    ScreenToClient(form->pane->Handle(), &p);
    MouseInput(form->pane->Handle(), {int(p.x), int(p.y)}, buttons);
}

Point PaneTest::VBarPoint(int y) const
{
    Rect bar = VBar();
    return {(bar.left + bar.right) / 2, y};
}

TsThumb PaneTest::VThumb() const
{
    Adapter()->VerticalBar().ReadInfo(Pane());
    return Adapter()->ThumbMetrics(kBarVertical, VBar());
}

Image24 PaneTest::ExpectedBar(TsBarKind kind, const TsBarStates& states) const
{
    TacScrollWnd* adapter = Adapter();
    adapter->Bar(kind).ReadInfo(Pane());
    Rect bar = adapter->BarRect(kind);
    int length = SpanOf(bar, kind).Length();
    int arrow = TacScrollWnd::DefaultArrow();
    TsBarPlan plan = PlanBar(adapter->Bar(kind).Info(), length, arrow, arrow, states, true);
    Image24 picture(bar.Width(), bar.Height());
    TsScrollBarSkin skin = TsScrollBarSkin::Resolve(&form->manager->Model(), kind);
    PaintScrollBar(picture.View(), kind, skin, plan, BgFromColor(0xFFFFFF));
    return picture;
}

Image24 PaneTest::ShownBar(TsBarKind kind) const
{
    RECT window{};
    GetWindowRect(Pane(), &window);
    Rect bar = Adapter()->BarRect(kind).Translated(-int(window.left), -int(window.top));
    return Crop(GrabWindowAsIs(Pane()), bar);
}

Image24 Crop(const Image24& image, const Rect& r)
{
    Image24 part(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            part.At(x, y) = image.At(r.left + x, r.top + y);
    return part;
}

bool SamePixels(const Image24& a, const Image24& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!(a.At(x, y) == b.At(x, y)))
                return false;
    return true;
}

void SavePicture(const Image24& picture, const char* name)
{
    const char* folder = std::getenv("PVX_ADAPTER_SHOTS");
    if (!folder)
        return;
    std::vector<uint8_t> bytes = EncodeBmp24(picture);
    std::ofstream(std::string(folder) + "\\" + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}
