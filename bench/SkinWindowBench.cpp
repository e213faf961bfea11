// Speed of the skin engine on the real main window under Wine: the whole
// window repainted with every skinned control, one skinned button's cache
// preparation, one fade frame (blend and copy to the window), the About
// box's shadowed name painted whole, one fade frame of a file name edit's
// button (blend, and its paint into the edit), both skinned scroll bars of a
// details pane repainted, and the steps of dragging the thumb of a pane
// holding 10,000 lines (real mouse input; each step timed from the mouse move
// to the pane repainted).
// Usage: pvx_skin_window_bench [ROUNDS]; prints medians in microseconds.
//
// The main window's form skinning component is not built yet: the bench
// gives the window a minimal one that owns the adapter, as it will.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/About.h"
#include "app/StartUp.h"
#include "app/frmMain.h"
#include "gfx/Merge.h"
#include "skin/adapters/acCtrlAdapter.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/scroll/acScrollWnd.h"
#include "skin/forms/FormAnimation.h"
#include "toolkit/Application.h"

namespace {

double Microseconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return 1e6 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

double Median(int rounds, const std::function<void()>& work)
{
    std::vector<double> us;
    for (int i = 0; i < rounds; ++i)
        us.push_back(Microseconds(work));
    std::sort(us.begin(), us.end());
    return us[us.size() / 2];
}

struct Result {
    std::string name;
    double median;  // or whatever figure 'figure' names
    double target;
    const char* figure = "median";
};

// The part of a form skinning component the adapters need: the form and its manager.
class BenchSkinner : public TsFormSkinner {
public:
    BenchSkinner(TCustomForm* form, TsSkinManager* manager) : form_(form), manager_(manager) {}
    TCustomForm* SkinnedForm() const override { return form_; }
    TsSkinManager* SkinManager() const override { return manager_; }
    void FadeToNewLook(unsigned) override {}
    void RebuildFrame() override {}

private:
    TCustomForm* form_;
    TsSkinManager* manager_;
};

void MoveMouse(Point screen, DWORD buttons)
{
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65536LL + width - 1) / width);
    input.mi.dy = LONG((screen.y * 65536LL + height - 1) / height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof input);
}

// Drags the pane's thumb down its track in steps of a pixel by real input and
// times each mouse move the pane handles while dragging, with its repaint.
std::vector<double> ThumbDragSteps(TMemo* pane, TacScrollWnd& adapter, TApplication& application)
{
    std::vector<double> steps;
    TChainLink timer;
    timer = pane->MessageChain().Push(TLinkRole::tlForeign, &steps, [&](TMessage& m) {
        if (m.Msg != WM_MOUSEMOVE || !adapter.Dragging) {
            timer.CallBelow(m);
            return;
        }
        steps.push_back(Microseconds([&] {
            timer.CallBelow(m);
            UpdateWindow(pane->Handle());
        }));
    });
    Rect bar = adapter.BarRect(kBarVertical);
    adapter.VerticalBar().ReadInfo(pane->Handle());
    TsThumb thumb = adapter.ThumbMetrics(kBarVertical, bar);
    int x = (bar.left + bar.right) / 2;
    int y = thumb.Start + thumb.Length / 2;
    MoveMouse({x, y}, MOUSEEVENTF_LEFTDOWN);
    application.ProcessMessages();
    for (int along = y + 1; along < bar.bottom - TacScrollWnd::DefaultArrow(); ++along) {
        MoveMouse({x, along}, 0);
        DWORD start = GetTickCount();
        std::size_t before = steps.size();
        while (steps.size() == before && GetTickCount() - start < 1000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            application.ProcessMessages();
        }
    }
    MoveMouse({x, bar.bottom - TacScrollWnd::DefaultArrow()}, MOUSEEVENTF_LEFTUP);
    application.ProcessMessages();
    return steps;
}

}  // namespace

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 201;
    InitializeModules();
    TApplication application;
    CreateApplicationForms(application);
    Form1->Show();
    application.ProcessMessages();
    HWND window = Form1->Handle();
    TsBitBtn* button = Form1->sBitBtn1;

    if (std::getenv("PVX_BENCH_UNSKINNED")) {
        Form1->sSkinManager1->SetActive(false);
        application.ProcessMessages();
        std::printf("unskinned: %.1f us\n", Median(rounds, [&] {
                        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                    }));
        Form1->sSkinManager1->SetActive(true);
        application.ProcessMessages();
    }
    std::vector<Result> results;
    results.push_back({"main window repaint, all children", Median(rounds, [&] {
                           RedrawWindow(window, nullptr, nullptr,
                                        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
                       }), 5000});
    results.push_back({"button 99x25 cache preparation", Median(rounds, [&] {
                           SendSkinCommand(button, scMakeCache);
                       }), 200});
    TBitmap start, frame;
    start.Assign(button->SkinData().CacheBitmap()->Pixels24());
    int weight = 0;
    results.push_back({"button fade frame (blend and copy)", Median(rounds, [&] {
                           frame.Assign(start.Pixels24());
                           MergeBitmaps(frame.Pixels24(), button->SkinData().CacheBitmap()->Pixels24(),
                                        weight = (weight + 13) & 255);
                           HDC dc = GetDC(button->Handle());
                           frame.DrawTo(dc, 0, 0);
                           ReleaseDC(button->Handle(), dc);
                       }), 100});

    // The shadowed name paints its effect (stamp, blur, blends, text) at every
    // paint; measured as it is sized, and at the 183 x 36 of its form data.
    AboutBox->Show();
    application.ProcessMessages();
    TsLabelFX* name = AboutBox->sLabelFX1;
    auto paintName = [&](const char* label) {
        TBitmap target(name->Width(), name->Height());
        std::string title = std::string("About name ") + std::to_string(name->Width()) + "x" +
                            std::to_string(name->Height()) + " paint" + label;
        results.push_back({title, Median(rounds, [&] {
                               name->Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
                           }), 1000});
    };
    paintName("");
    name->SetAutoSize(false);
    name->SetBounds(name->Left(), name->Top(), 183, 36);
    paintName(" (form data size)");
    AboutBox->Hide();

    // One tick of the button's fade: the frame blended, then the button
    // painted alone straight into its edit (it copies its 22 x 17 look).
    TsFilenameEdit* edit = Form1->FileName1;
    TsEditButton& editButton = edit->Button();
    TBitmap* editButtonCache = editButton.SkinData().CacheBitmap();
    TBitmap editStart, editFrame;
    editStart.Assign(editButtonCache->Pixels24());
    results.push_back({"edit button fade frame (blend, paint)", Median(rounds, [&] {
                           editFrame.Assign(editStart.Pixels24());
                           MergeBitmaps(editFrame.Pixels24(), editButtonCache->Pixels24(),
                                        weight = (weight + 13) & 255);
                           SendSkinCommand(edit, scSetPaintingChild, 0, reinterpret_cast<LPARAM>(&editButton));
                           SendSkinCommand(&editButton, scSetUpdating, 0);
                           edit->PaintControlNow(&editButton);
                           SendSkinCommand(edit, scSetPaintingChild, 0, 0);
                       }), 100});

    std::string lines;
    for (int i = 0; i < 10000; ++i)
        lines += "Line " + std::to_string(i) + " of the details pane\r\n";
    // For comparison: the system's edit alone, scrolled as a thumb-track step
    // moves it and repainted, in the other pane before it is skinned.
    Form1->Memo2->SetText(lines);
    int trackPos = 0;
    double editAlone = Median(rounds, [&] {
        trackPos = (trackPos + 117) % 9900;
        SendMessageA(Form1->Memo2->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, trackPos), 0);
        UpdateWindow(Form1->Memo2->Handle());
    });

    BenchSkinner skinner(Form1, Form1->sSkinManager1);
    TacCtrlAdapter adapter(skinner);
    adapter.AttachAll();
    TMemo* pane = Form1->Memo1;
    pane->SetText(lines);
    application.ProcessMessages();
    auto* bars = dynamic_cast<TacScrollWnd*>(TacMainWnd::FromWindow(pane->Handle()));
    if (!bars) {
        std::printf("the details pane was not adapted\n");
        return 1;
    }
    results.push_back({"details pane, both scroll bars repainted", Median(rounds, [&] { bars->PaintBars(); }), 500});
    std::vector<double> steps = ThumbDragSteps(pane, *bars, application);
    std::sort(steps.begin(), steps.end());
    if (steps.empty()) {
        std::printf("no thumb-track step was timed\n");
        return 1;
    }
    results.push_back({"thumb-track step, 10,000 lines", steps[steps.size() / 2], 5000});
    results.push_back({"thumb-track step, 10,000 lines", steps.back(), 5000, "worst"});
    std::printf("%zu thumb-track steps, first line now %d; the unskinned pane's own scroll and repaint "
                "per step: median %.1f us\n",
                steps.size(), int(SendMessageA(pane->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)), editAlone);

    if (std::getenv("PVX_BENCH_DETAIL")) {
        for (TControl* c : Form1->Controls()) {
            auto* w = dynamic_cast<TWinControl*>(c);
            if (!w)
                continue;
            double us = Median(21, [&] {
                RedrawWindow(w->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            });
            std::printf("  %-12s %9.1f us\n", w->Name().c_str(), us);
        }
        double self = Median(21, [&] {
            RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        });
        std::printf("  form alone   %9.1f us\n", self);
    }
    TsSkinProvider* provider = Form1->sSkinProvider1;
    results.push_back({"main window whole-window paint, invalid cache", Median(rounds, [&] {
                           provider->SkinData().CacheInvalid = true;
                           SendSkinCommand(window, scFreezeCache, 1);
                           SendSkinCommand(window, scFreezeCache, 0);
                       }), 3000});
    results.push_back({"main window WM_NCPAINT, valid cache", Median(rounds, [&] {
                           SendMessageA(window, WM_NCPAINT, 1, 0);
                       }), 500});

    // The About box's fade into view, as its run-time provider shows it.
    AboutBox->Show();
    application.ProcessMessages();
    double fadeUs = Microseconds([&] { AnimateFormShow(AboutBox, 100); });
    std::printf("About box fade-in: %d frames in %.1f ms\n", LastFadeInFrameCount(), fadeUs / 1000);
    AboutBox->Hide();

    bool met = true;
    for (const Result& r : results) {
        bool ok = r.median < r.target;
        met = met && ok;
        std::printf("%-40s %-6s %9.1f us  (target under %.0f us)%s\n", r.name.c_str(), r.figure, r.median,
                    r.target, ok ? "" : "  MISSED");
    }
    adapter.DropAllItems();
    delete AboutBox;
    delete Form1;
    FinalizeModules();
    return met ? 0 : 1;
}
