#include "skin/dialogs/acLinkWnd.h"

#include <cwctype>

#include "skin/dialogs/DialogText.h"
#include "skin/engine/sCommonData.h"
#include "skin/paint/SectionRef.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Handles.h"

namespace {

constexpr UINT kRunFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;

bool StartsTag(std::wstring_view text, std::size_t at, std::wstring_view tag)
{
    if (text.size() - at < tag.size())
        return false;
    for (std::size_t i = 0; i < tag.size(); ++i)
        if (std::towlower(text[at + i]) != tag[i])
            return false;
    return true;
}

void AddRun(std::vector<TsLinkRun>& runs, std::wstring_view text, bool link)
{
    if (!text.empty())
        runs.push_back({std::wstring(text), link});
}

}  // namespace

std::vector<TsLinkRun> SplitLinkMarkup(std::wstring_view text)
{
    std::vector<TsLinkRun> runs;
    bool link = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool opens = !link && (StartsTag(text, i, L"<a>") || StartsTag(text, i, L"<a "));
        bool closes = link && StartsTag(text, i, L"</a>");
        if (!opens && !closes)
            continue;
        std::size_t end = text.find(L'>', i);
        if (end == std::wstring_view::npos)
            break;  // an unfinished tag is text
        AddRun(runs, text.substr(start, i - start), link);
        link = opens;
        start = end + 1;
        i = end;
    }
    AddRun(runs, text.substr(start), link);
    return runs;
}

TacLinkWnd::TacLinkWnd(HWND window, TsSkinManager* manager) : TacOwnPaintWnd(window, "CHECKBOX", manager) {}

int TacLinkWnd::DrawRun(HDC dc, const TsLinkRun& run, HFONT font, int x)
{
    Size size = WindowSize();
    Size measured = MeasureDialogText(dc, run.Text, font, kRunFormat, size.width);
    TsSectionRef colours = SkinData().Section();
    if (run.Link) {
        TsSectionRef web = TsSectionRef::Resolve(colours.Model, "WEBBUTTON");
        if (web.IsValid())
            colours = web;
    }
    DrawDialogText(dc, run.Text, font, colours, IsEnabled(), false, kRunFormat, {x, 0, size.width, size.height});
    return x + measured.width;
}

void TacLinkWnd::PrepareCache()
{
    TBitmap* cache = CacheOfSectionOnParent();
    if (!cache)
        return;
    LOGFONTW logFont{};
    GetObjectW(Font(), sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    UniqueFont underlined(CreateFontIndirectW(&logFont));
    HDC dc = cache->Canvas().Handle();
    int x = 0;
    for (const TsLinkRun& run : SplitLinkMarkup(WideWindowTextOf(Window())))
        x = DrawRun(dc, run, run.Link && underlined ? underlined.Get() : Font(), x);
    GdiFlush();
    SkinData().CacheInvalid = false;
}
