#include "skin/dialogs/acTransPanelWnd.h"

#include "skin/dialogs/DialogText.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "toolkit/Handles.h"

TacTransPanelWnd::TacTransPanelWnd(HWND window, const std::string& section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager, nullptr)
{
}

Point TacTransPanelWnd::ClientOrigin() const
{
    POINT origin{0, 0};
    ClientToScreen(Window(), &origin);
    RECT w{};
    GetWindowRect(Window(), &w);
    return {int(origin.x - w.left), int(origin.y - w.top)};
}

void TacTransPanelWnd::PrepareCache()
{
    if (CacheOfSectionOnParent())
        SkinData().CacheInvalid = false;
}

void TacTransPanelWnd::EraseBackground(TMessage& m)
{
    SendSkinCommand(Window(), scMakeCache);
    TBitmap* cache = SkinData().CacheBitmap();
    auto given = reinterpret_cast<HDC>(m.WParam);
    HDC dc = given ? given : GetDC(Window());
    if (cache && !cache->Empty()) {
        SaveDcGuard saved(dc);
        // The children paint themselves; the panel only what lies between them.
        ExcludeVisibleChildren(dc, Window());
        Point client = ClientOrigin();
        BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), client.x, client.y, SRCCOPY);
    }
    if (!given)
        ReleaseDC(Window(), dc);
    m.Result = 1;
}

void TacTransPanelWnd::AnswerBackground(TMessage& m)
{
    // What lies behind a child is what lies behind the panel at the child's place.
    auto* q = reinterpret_cast<TsBgQuery*>(m.LParam);
    m.Result = 0;
    if (!q)
        return;
    HWND parent = GetParent(Window());
    Point at = PositionInParent();
    Point client = ClientOrigin();
    q->Area = q->Area.Translated(at.x + client.x, at.y + client.y);
    SendSkinCommand(parent, scQueryBackground, 0, m.LParam);
    q->Area = q->Area.Translated(-at.x - client.x, -at.y - client.y);
    if (q->Kind == 2 && !q->PaintNow) {
        q->OffsetX += at.x + client.x;
        q->OffsetY += at.y + client.y;
    }
}

void TacTransPanelWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacMainWnd::WndProc(m);
        return;
    }
    if (insideColors_.Handle(m, SkinManager(), [this](TMessage& passed) { TacMainWnd::WndProc(passed); }))
        return;
    switch (m.Msg) {
    case WM_ERASEBKGND:
        RefreshPosition();
        EraseBackground(m);
        return;
    case WM_NCPAINT:
        if (!OwnsFrame())
            break;
        m.Result = 0;
        return;
    case WM_SIZE:
    case WM_MOVE:
        SkinData().CacheInvalid = true;
        break;
    case SM_SKINCMD:
        if (SkinCmdOf(m.WParam) == scQueryBackground) {
            AnswerBackground(m);
            return;
        }
        if (SkinCmdOf(m.WParam) == scResumePainting) {
            RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            m.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TacMainWnd::WndProc(m);
}

TacSizerWnd::TacSizerWnd(HWND window, TsSkinManager* manager) : TacTransPanelWnd(window, "CHECKBOX", manager) {}

void TacSizerWnd::PrepareCache()
{
    TacTransPanelWnd::PrepareCache();
    TBitmap* cache = SkinData().CacheBitmap();
    TsSkinManager* manager = SkinManager();
    if (!cache || cache->Empty() || !manager)
        return;
    const TsSkinModel& model = manager->Model();
    int grip = model.GetMaskIndex(model.CommonIndexes().GlobalInfo, "GLOBALINFO", "GRIPIMAGE");
    if (!model.IsValidMaskIndex(grip))
        return;
    const TsMaskData& image = model.Masks()[std::size_t(grip)];
    Size size = MaskFrameSize(image);
    View24 pixels = cache->Pixels24();
    DrawGlyphMask(pixels, {pixels.Width() - size.width, pixels.Height() - size.height}, 0, BgFromImage(pixels, 0, 0),
                  image, kGlyphNormal);
}

void TacSizerWnd::WndProc(TMessage& m)
{
    if (IsActive() && m.Msg == WM_PAINT) {
        PaintDc dc(Window(), m.WParam);
        SendSkinCommand(Window(), scMakeCache);
        if (TBitmap* cache = SkinData().CacheBitmap(); cache && !cache->Empty())
            BitBlt(dc.Get(), 0, 0, cache->Width(), cache->Height(), cache->Canvas().Handle(), 0, 0, SRCCOPY);
        m.Result = 0;
        return;
    }
    TacTransPanelWnd::WndProc(m);
}
