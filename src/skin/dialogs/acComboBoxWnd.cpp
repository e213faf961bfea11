#include "skin/dialogs/acComboBoxWnd.h"

#include "gfx/RectFill.h"
#include "skin/adapters/acAdapterState.h"
#include "skin/adapters/acEditWnd.h"
#include "skin/dialogs/acInsideWnd.h"
#include "skin/dialogs/DialogText.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/GlyphMask.h"
#include "skin/paint/MaskFrames.h"
#include "skin/paint/SkinItem.h"
#include "toolkit/Handles.h"

TacComboBoxWnd::TacComboBoxWnd(HWND window, TsSkinManager* manager) : TacMainWnd(window, "COMBOBOX", manager, nullptr)
{
}

int TacComboBoxWnd::ButtonState(const COMBOBOXINFO& info) const
{
    if (info.stateButton & STATE_SYSTEM_PRESSED)
        return 2;
    return SkinEngine().HotWindow == Window() || GetFocus() == Window() ? 1 : 0;
}

void TacComboBoxWnd::PaintSkinOver(View24 pixels, const Rect& button, int buttonState)
{
    const TsSectionRef& section = SkinData().Section();
    if (!section.IsValid())
        return;
    TsBgSource behind = ParentBackground();
    if (const TsMaskData* border = section.Border())
        DrawBorderMask(pixels, pixels.Bounds(), false, true, 0, *border, behind);
    if (button.IsEmpty())
        return;
    const TsSkinModel& model = *section.Model;
    FillRectColor(pixels, button, SkinRgb(section.Data().Color));
    TsSectionRef buttonSection = TsSectionRef::Resolve(&model, "COMBOBTN");
    PaintControlItem(TsPaintTarget(pixels, BgFromImage(pixels, 0, 0)), buttonSection, button, buttonState, {});
    int arrow = model.GetMaskIndex(section.Index, SkinData().SkinSection(), "GLYPHMASK");
    if (!model.IsValidMaskIndex(arrow))
        return;
    const TsMaskData& glyph = model.Masks()[std::size_t(arrow)];
    Size size = MaskFrameSize(glyph);
    Point at{button.left + (button.Width() - size.width) / 2, button.top + (button.Height() - size.height) / 2};
    DrawGlyphMask(pixels, at, std::min(buttonState, MaskFrameCount(glyph) - 1), BgFromImage(pixels, 0, 0), glyph,
                  IsEnabled() ? kGlyphNormal : 2);
}

void TacComboBoxWnd::Paint(TMessage& m)
{
    PaintDc dc(Window(), m.WParam);
    RECT client{};
    GetClientRect(Window(), &client);
    if (client.right <= 0 || client.bottom <= 0)
        return;
    TBitmap& cache = SkinData().CacheOfSize(client.right, client.bottom);
    HDC memory = cache.Canvas().Handle();
    // The combo box draws its edge, button and item into the cache.
    TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(memory), 0, 0};
    CallOldHandler(paint);
    GdiFlush();
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    Rect button;
    if (GetComboBoxInfo(Window(), &info) && !(info.stateButton & STATE_SYSTEM_INVISIBLE))
        button = {int(info.rcButton.left), int(info.rcButton.top), int(info.rcButton.right), int(info.rcButton.bottom)};
    PaintSkinOver(cache.Pixels24(), button, ButtonState(info));
    SaveDcGuard saved(dc.Get());
    ExcludeVisibleChildren(dc.Get(), Window());
    BitBlt(dc.Get(), 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    m.Result = 0;
}

void TacComboBoxWnd::AdaptList()
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (list_ || !GetComboBoxInfo(Window(), &info) || !info.hwndList || info.hwndList == Window())
        return;
    // A simple combo box's list is a child of its own and was adapted with the dialog's children.
    if (TacMainWnd::FromWindow(info.hwndList))
        return;
    TsEngineFlag forDialog(AdapterState().SkinningDialog);
    list_ = MakeWindowAdapter<TacInsideWnd>(true, info.hwndList, TacInsideKind::Edit, "COMBOBOX", SkinManager());
}

bool TacComboBoxWnd::HandleCommand(TMessage& m)
{
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded:
    case scSkinRemoved:
    case scRepaint:
        // The list is no child of the dialog: the skin's changes reach it through here.
        if (list_ && !list_->Destroyed())
            SendMessageW(list_->Window(), m.Msg, m.WParam, m.LParam);
        return false;
    case scMouseEnter:
    case scMouseLeave:
    case scResumePainting:
        InvalidateRect(Window(), nullptr, FALSE);
        m.Result = 0;
        return true;
    default:
        return false;
    }
}

void TacComboBoxWnd::WndProc(TMessage& m)
{
    if (!IsActive()) {
        TacMainWnd::WndProc(m);
        return;
    }
    // A ComboBoxEx32 answers its inner combo box's colour questions itself
    // (white): answer them as the dialog does.
    if (insideColors_.Handle(m, SkinManager(), [this](TMessage& passed) { TacMainWnd::WndProc(passed); }))
        return;
    switch (m.Msg) {
    case WM_PAINT:
        Paint(m);
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case CB_SHOWDROPDOWN:
        // Any of these may drop the list down.
        AdaptList();
        break;
    case SM_SKINCMD:
        if (HandleCommand(m))
            return;
        break;
    default:
        break;
    }
    TacMainWnd::WndProc(m);
}
