// Speed of the skin engine on the real main window under Wine: the whole
// window repainted with every skinned control, one skinned button's cache
// preparation, and one fade frame (blend and copy to the window); the About
// box's shadowed name painted whole, and one fade frame of a file name edit's
// button (blend, and the repaint through its edit).
// Usage: pvx_skin_window_bench [ROUNDS]; prints medians in microseconds.

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
#include "skin/engine/SkinCommands.h"
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
    double median;
    double target;
};

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
        std::printf("%-46s median %9.1f us  (target under %.0f us)%s\n", r.name.c_str(), r.median, r.target,
                    ok ? "" : "  MISSED");
    }
    delete AboutBox;
    delete Form1;
    FinalizeModules();
    return met ? 0 : 1;
}
