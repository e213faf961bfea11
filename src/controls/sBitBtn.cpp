#include "controls/sBitBtn.h"

#include <algorithm>

#include "gfx/FadeCopy.h"
#include "gfx/Gray.h"
#include "gfx/KeyedCopy.h"
#include "skin/engine/ControlText.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "skin/gdi/HoleRegion.h"
#include "skin/model/ControlKinds.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/BorderMaskShaped.h"
#include "skin/paint/CornerRefill.h"
#include "skin/paint/SectionBackground.h"
#include "toolkit/Application.h"

namespace {

// While set, a skinned button reports the pressed state; it also guards the
// focus handling against re-entry.
bool forcedPressed = false;

// The application's hint setting while the left button is held on a skinned button.
bool hintsSuppressed = false;
bool savedShowHint = true;

void SuppressHints()
{
    if (!Application || hintsSuppressed)
        return;
    savedShowHint = Application->ShowHint();
    hintsSuppressed = true;
    Application->SetShowHint(false);
}

void RestoreHints()
{
    if (!Application || !hintsSuppressed)
        return;
    hintsSuppressed = false;
    Application->SetShowHint(savedShowHint);
}

UINT AlignmentFlag(TAlignment a)
{
    switch (a) {
    case TAlignment::taLeftJustify: return DT_LEFT;
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    }
    return DT_CENTER;
}

TsBlockAlignment BlockAlignment(TAlignment a)
{
    switch (a) {
    case TAlignment::taLeftJustify: return TsBlockAlignment::taLeftJustify;
    case TAlignment::taRightJustify: return TsBlockAlignment::taRightJustify;
    case TAlignment::taCenter: return TsBlockAlignment::taCenter;
    }
    return TsBlockAlignment::taCenter;
}

TsGlyphLayout GlyphLayoutOf(TButtonLayout l)
{
    switch (l) {
    case TButtonLayout::blGlyphLeft: return TsGlyphLayout::blGlyphLeft;
    case TButtonLayout::blGlyphRight: return TsGlyphLayout::blGlyphRight;
    case TButtonLayout::blGlyphTop: return TsGlyphLayout::blGlyphTop;
    case TButtonLayout::blGlyphBottom: return TsGlyphLayout::blGlyphBottom;
    }
    return TsGlyphLayout::blGlyphLeft;
}

void PutPixel(View24 v, int x, int y, Rgb24 c)
{
    if (x >= 0 && y >= 0 && x < v.Width() && y < v.Height())
        v.At(x, y) = c;
}

}  // namespace

TsBitBtn::TsBitBtn(TComponent* owner)
    : TBitBtn(owner), skinData_(std::make_unique<TsCommonData>(this, true, kKindBitBtn))
{
    skinData_->OwnerLoaded();
}

TsBitBtn::~TsBitBtn()
{
    Destroying();
    StopFade();
    delete fade_;
    fade_ = nullptr;
    if (pressedInside_)
        RestoreHints();
}

void TsBitBtn::Loaded()
{
    TBitBtn::Loaded();
    skinData_->OwnerLoaded();
}

void TsBitBtn::SetBlend(int value)
{
    blend_ = std::clamp(value, 0, 100);
    InvalidateLook();
}

void TsBitBtn::SetDown(bool value)
{
    down_ = value;
    skinData_->CacheInvalid = true;
    RepaintNow();
}

void TsBitBtn::InvalidateLook()
{
    skinData_->CacheInvalid = true;
    measured_ = false;
    Invalidate();
}

TsFadeTimer* TsBitBtn::RunningFade() const
{
    return fade_ && fade_->Fading() ? fade_ : nullptr;
}

int TsBitBtn::StateIndex() const
{
    if (down_)
        return kStatePressed;
    bool pushed = forcedPressed || systemPushed_;
    if (pushed && (skinData_->MouseOver || !pressedInside_ || !(GetKeyState(VK_LBUTTON) & 0x8000)))
        return kStatePressed;
    if (active_ || skinData_->IsHot())
        return kStateHot;
    if (HandleAllocated() &&
        (GetWindowLongA(const_cast<TsBitBtn*>(this)->Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        return kStateHot;
    return kStateNormal;
}

Size TsBitBtn::GlyphSize() const
{
    TBitmap& glyph = const_cast<TsBitBtn*>(this)->Glyph();
    if (glyph.Empty())
        return {};
    return {glyph.Width() / std::max(NumGlyphs(), 1), glyph.Height()};
}

UINT TsBitBtn::CaptionFormat() const
{
    return AlignmentFlag(textAlignment_) | DT_VCENTER | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) |
           (UseRightToLeftReading() ? DT_RTLREADING : 0);
}

const std::string& TsBitBtn::ShownCaption()
{
    // Reading a window's text is a message round trip on the platform.
    if (!shownCaption_)
        shownCaption_ = Caption();
    return *shownCaption_;
}

Size TsBitBtn::MeasureCaption(TBitmap& cache)
{
    const std::string& caption = ShownCaption();
    if (!showCaption_ || caption.empty())
        return {};
    Size glyph = GlyphSize();
    bool beside = Layout() == TButtonLayout::blGlyphLeft || Layout() == TButtonLayout::blGlyphRight;
    int limit = Width() - 2 * margin_ - (glyph.width > 0 && beside ? glyph.width + Spacing() : 0);
    limit = std::max(limit, 0);
    // Measuring text is slow on the platform: the last measure holds until the caption, font or room change.
    if (measured_ && caption == measuredCaption_ && limit == measuredLimit_ && Font().SameAs(measuredFont_))
        return measuredSize_;
    TCanvas& canvas = cache.Canvas();
    canvas.Font().Assign(Font());
    Rect r{0, 0, limit, 0};
    canvas.DrawText(caption, r, CaptionFormat() | DT_CALCRECT);
    measured_ = true;
    measuredCaption_ = caption;
    measuredLimit_ = limit;
    measuredFont_.Assign(Font());
    measuredSize_ = {r.Width(), r.Height()};
    return measuredSize_;
}

void TsBitBtn::PaintCaption(TBitmap& cache, const Rect& captionRect, int state)
{
    TCanvas& canvas = cache.Canvas();
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    DrawControlText(canvas, ShownCaption(), true, state != kStateNormal, *skinData_, Font(), CaptionFormat(), captionRect);
}

void TsBitBtn::PaintFocusFrame(View24 cache, const Rect& captionRect)
{
    const TsSectionRef& section = skinData_->Section();
    if (!Enabled() || !skinData_->Focused || ShownCaption().empty() || !section.Data().ShowFocus || !showFocus_ || !showCaption_)
        return;
    Rect r = captionRect.Inflated(FocusMargin, FocusMargin);
    const Rgb24 black{0, 0, 0}, white{255, 255, 255};
    auto dot = [&](int x, int y) {
        PutPixel(cache, x - 1, y - 1, white);
        PutPixel(cache, x, y, black);
    };
    for (int i = 0; i <= r.Width() / 3; ++i) {
        dot(r.left + 3 * i, r.top);
        dot(r.left + 3 * i, r.bottom);
    }
    for (int j = 0; j <= r.Height() / 3; ++j) {
        dot(r.left, r.top + 3 * j);
        dot(r.right, r.top + 3 * j);
    }
}

void TsBitBtn::PaintGlyph(View24 cache, Point at)
{
    TBitmap& glyph = Glyph();
    if (glyph.Empty())
        return;
    Size size = GlyphSize();
    int count = std::max(NumGlyphs(), 1);
    bool enabled = Enabled(), hot = skinData_->IsHot();
    Image24 copy(glyph.Width(), glyph.Height());
    ConstView24 source = glyph.Pixels24();
    for (int y = 0; y < copy.Height(); ++y)
        for (int x = 0; x < copy.Width(); ++x)
            copy.At(x, y) = source.At(x, y);
    auto keyOf = [&](int image) { return copy.At(image * size.width, size.height - 1); };
    auto cell = [&](int image) { return Rect::FromSize(image * size.width, 0, size.width, size.height); };
    if (count == 1) {
        Rgb24 key = keyOf(0);
        bool gray = enabled ? (!hot && grayed_) : (disabledGlyphKind_ & dgGrayed);
        if (gray)
            MakeGrayExcept(copy.View(), key);
        double k = enabled ? ((hot || blend_ == 0) ? -1 : blend_ / 100.0) : ((disabledGlyphKind_ & dgBlended) ? 0.5 : -1);
        if (k < 0)
            CopyKeyedRect(cache, copy.View(), at, HoleFill::KeepTarget(), key, cell(0));
        else
            FadeCopyRect(cache, at, key, k, cell(0), copy.View());
        return;
    }
    int image = !enabled ? 1 : (hot && count >= 5 ? 4 : 0);
    Rgb24 key = keyOf(enabled ? image : 0);
    if (!enabled && !hot && blend_ > 0)
        FadeCopyRect(cache, at, key, blend_ / 100.0, cell(1), copy.View());
    else
        CopyKeyedRect(cache, copy.View(), at, HoleFill::KeepTarget(), key, cell(image));
}

void TsBitBtn::PrepareCache()
{
    if (!skinData_->IsSkinned() || Width() <= 0 || Height() <= 0)
        return;
    const int state = StateIndex();
    const TsSectionRef& section = skinData_->Section();
    TBitmap& cache = skinData_->CacheOfSize(Width(), Height());
    View24 pixels = cache.Pixels24();
    TsBgSource behind = skinData_->ParentBackground();
    int32_t customColor = skinData_->CustomColor() ? ResolveSkinColor(int32_t(Color())) : kSkinKeyColor;
    PaintSectionBackground(TsPaintTarget(pixels, behind), section, pixels.Bounds(), state != kStateNormal, customColor);
    shapeRuns_.clear();
    const TsMaskData* border = section.Border();
    if (drawOverBorder_ && border)
        DrawBorderMaskShaped(pixels, &shapeRuns_, true, state, *border);
    TsBitBtnLayoutInput layout{{Width(), Height()}, GlyphSize(), MeasureCaption(cache), GlyphLayoutOf(Layout()),
                               BlockAlignment(alignment_), margin_, Spacing(), state == kStatePressed,
                               UseRightToLeftReading()};
    TsBitBtnLayout placed = LayoutBitBtn(layout);
    if (layout.caption.width > 0) {
        PaintCaption(cache, placed.caption, state);
        pixels = cache.Pixels24();  // GDI's text is flushed before the pixels are touched again
        PaintFocusFrame(pixels, placed.caption);
    }
    PaintGlyph(pixels, placed.glyph);
    if (!drawOverBorder_ && border)
        DrawBorderMaskShaped(pixels, &shapeRuns_, true, state, *border);
    if (!Enabled())
        ApplyDisabledLook(pixels, disabledKind_, skinData_->ControlColor(false), {}, behind);
    if (OnPaint)
        OnPaint(this, cache);
    skinData_->CacheInvalid = false;
    paintedSpacing_ = Spacing();
}

void TsBitBtn::ApplyShape()
{
    // Setting a window's region moves it in the window system and invalidates
    // what lies under it: only when the shape really changed.
    if (!HandleAllocated() || (!shapeStale_ && shapeRuns_ == appliedRuns_))
        return;
    shapeStale_ = false;
    appliedRuns_ = shapeRuns_;
    UniqueRegion region = ShapeRegion({Width(), Height()}, shapeRuns_);
    bool redraw = !shaped_ || SkinEngine().SkinLoading;
    if (SetWindowRgn(Handle(), region.Get(), redraw))
        region.Release();  // the window owns it now
    Rect bounds = BoundsRect();
    if (shaped_ && Parent() && Parent()->HandleAllocated() &&
        (bounds.Width() < shapedBounds_.Width() || bounds.Height() < shapedBounds_.Height())) {
        RECT old = ToRECT(shapedBounds_);
        InvalidateRect(Parent()->Handle(), &old, TRUE);
    }
    shaped_ = true;
    shapedBounds_ = bounds;
}

void TsBitBtn::PaintWindow(HDC dc)
{
    // Suspended, the button waits for its parent's scResumePainting; while a
    // fade runs, the fade draws the window itself.
    skinData_->Updating = skinData_->PaintingSuspended();
    if (skinData_->Updating || RunningFade())
        return;
    Rect inParent = BoundsRect();
    skinData_->HalfVisible = Parent() && inParent.Intersected(Parent()->ClientRect()) != inParent;
    if (!skinData_->CacheFrozen)
        PrepareCache();
    TBitmap* cache = skinData_->CacheBitmap();
    if (!cache || cache->Empty())
        return;
    RefillBorderCorners(*skinData_, StateIndex(), kRefillAllCorners);
    ApplyShape();
    cache->DrawTo(dc, 0, 0);
}

void TsBitBtn::PrintInto(HDC dc)
{
    // A print asks for a picture of the button: the window keeps its shape,
    // and a running fade's target look (the cache) stands for the fade.
    if (!dc)
        return;
    if (!RunningFade() && !skinData_->CacheFrozen && (skinData_->CacheInvalid || skinData_->HalfVisible))
        PrepareCache();
    TBitmap* cache = skinData_->CacheBitmap();
    if (cache && !cache->Empty())
        cache->DrawTo(dc, 0, 0);
}

void TsBitBtn::RepaintNow()
{
    if (HandleAllocated())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsBitBtn::StopFade()
{
    if (fade_)
        fade_->Stop();
}

bool TsBitBtn::Fades(Change change) const
{
    static constexpr TsAnimatEvent own[] = {aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp};
    static constexpr TacButtonEvent global[] = {beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
    int i = int(change);
    if (AnimatEvents & own[i])
        return true;
    return (AnimatEvents & aeGlobalDef) && ManagerFadesOn(global[i]);
}

void TsBitBtn::ChangeLook(Change change)
{
    bool animate = Fades(change) && LookCanFade(*skinData_) && HandleAllocated() && IsWindowVisible(Handle());
    if (!animate) {
        skinData_->CacheInvalid = true;
        StopFade();
        RepaintNow();
        return;
    }
    if (!fade_)
        fade_ = new TsFadeTimer(this, *skinData_);
    fade_->Start(FadeFrameCount(*skinData_, change == Change::Down || change == Change::Up));
}

void TsBitBtn::UpdateActive()
{
    bool active = IsActive();
    if (active == active_)
        return;
    active_ = active;
    skinData_->CacheInvalid = true;
    Invalidate();
}

void TsBitBtn::MouseDown(TMessage& m)
{
    skinData_->Updating = false;
    SuppressHints();
    pressedInside_ = true;
    TBitBtn::WndProc(m);
    if (!down_ && !IsDestroying())
        ChangeLook(Change::Down);
}

void TsBitBtn::MouseUp(TMessage& m)
{
    RestoreHints();
    bool wasInside = pressedInside_;
    pressedInside_ = false;
    TBitBtn::WndProc(m);  // the click is reported first
    if (!wasInside || IsDestroying()) {
        StopFade();
        return;
    }
    if (RunningFade()) {
        // A click quicker than the press fade still shows the whole pressed look.
        StopFade();
        skinData_->CacheInvalid = true;
        forcedPressed = true;
        RepaintNow();
        forcedPressed = false;
        Sleep(30);
    }
    ChangeLook(Change::Up);
}

void TsBitBtn::FocusReceived(TMessage& m)
{
    if (forcedPressed || IsDestroying()) {
        TBitBtn::WndProc(m);
        return;
    }
    bool canRedraw = HandleAllocated();
    if (canRedraw)
        SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
    forcedPressed = true;
    TBitBtn::WndProc(m);
    forcedPressed = false;
    if (canRedraw)
        SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    if (RunningFade()) {
        fade_->DrawFrameNow();
        return;
    }
    skinData_->CacheInvalid = true;
    RepaintNow();
}

void TsBitBtn::FocusLost(TMessage& m)
{
    StopFade();
    TBitBtn::WndProc(m);
    skinData_->Focused = false;
    shapeStale_ = true;
    skinData_->CacheInvalid = true;
    RepaintNow();
}

void TsBitBtn::SkinLoadedCommand(TMessage& m)
{
    if (reinterpret_cast<TsSkinManager*>(m.LParam) == skinData_->SkinManager()) {
        StopFade();
        shapeStale_ = true;
    }
    skinData_->HandleSkinCommand(m);
}

void TsBitBtn::SkinRemovedCommand(TMessage& m)
{
    StopFade();
    skinData_->HandleSkinCommand(m);
    if (HandleAllocated())
        SetWindowRgn(Handle(), nullptr, TRUE);
    shaped_ = false;
    Invalidate();
}

void TsBitBtn::RepaintCommand(TMessage& m)
{
    StopFade();
    shapeStale_ = true;
    skinData_->HandleSkinCommand(m);
    Invalidate();
}

void TsBitBtn::ResumePaintingCommand()
{
    if (!skinData_->PaintingSuspended())
        return;
    skinData_->Updating = false;
    skinData_->CacheInvalid = true;
    RepaintNow();
}

void TsBitBtn::FreezeCacheCommand(WORD argument)
{
    skinData_->CacheFrozen = argument == 1;
    // A frozen cache is what every paint shows until it thaws: bring it up to date first.
    if (skinData_->CacheFrozen && skinData_->CacheInvalid && !RunningFade())
        PrepareCache();
}

bool TsBitBtn::HandleSkinCommand(TMessage& m)
{
    m.Result = 0;
    switch (SkinCmdOf(m.WParam)) {
    case scSkinLoaded: SkinLoadedCommand(m); return true;
    case scSkinRemoved: SkinRemovedCommand(m); return true;
    case scRepaint: RepaintCommand(m); return true;
    case scResumePainting: ResumePaintingCommand(); return true;
    case scFreezeCache: FreezeCacheCommand(SkinCmdArgument(m.WParam)); return true;
    case scStopFading: StopFade(); return true;
    case scMakeCache: PrepareCache(); return true;
    // The frame goes to the window as it is; the shape stays as last applied.
    case scFadeStep: return true;
    default: return skinData_->HandleSkinCommand(m);
    }
}

void TsBitBtn::MouseCrossed(TMessage& m, bool skinned, bool wasOver)
{
    if (Enabled())
        TBitBtn::WndProc(m);
    if (m.Msg == CM_MOUSEENTER) {
        skinData_->MouseOver = true;
        if (!skinned || !Enabled() || wasOver)
            return;
        // The look drawn whole before is where the enter fade starts.
        if (TBitmap* cache = skinData_->CacheBitmap(); cache && !cache->Empty())
            skinData_->CacheInvalid = false;
        ChangeLook(Change::Enter);
    } else if (skinned && Enabled()) {
        ChangeLook(Change::Leave);
    }
}

void TsBitBtn::ReleaseHeldPress()
{
    // Disabled while held: no release will come, so the press ends here.
    if (!pressedInside_)
        return;
    pressedInside_ = false;
    StopFade();
    RestoreHints();
}

void TsBitBtn::PaintMessage(TMessage& m)
{
    PaintDc dc(Handle(), m.WParam);
    PaintWindow(dc.Get());
    m.Result = 0;
}

void TsBitBtn::PrintMessage(TMessage& m)
{
    PrintInto(reinterpret_cast<HDC>(m.WParam));
    m.Result = 0;
}

void TsBitBtn::SpaceKey(TMessage& m)
{
    StopFade();
    skinData_->CacheInvalid = true;
    TBitBtn::WndProc(m);
    RepaintNow();
}

void TsBitBtn::Moved(TMessage& m)
{
    TBitBtn::WndProc(m);
    const TsGeneralData& s = skinData_->Section().Data();
    if (s.Transparency > 0 || (s.HotTransparency > 0 && active_))
        InvalidateLook();
}

void TsBitBtn::PositionChanging(const TMessage& m)
{
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
    if (!(pos->flags & SWP_NOSIZE) && (pos->cx != Width() || pos->cy != Height()))
        shapeStale_ = true;
}

void TsBitBtn::LookInputChanged(TMessage& m)
{
    if (m.Msg == CM_TEXTCHANGED)
        shownCaption_.reset();
    TBitBtn::WndProc(m);
    skinData_->Updating = false;
    InvalidateLook();
}

bool TsBitBtn::HandleSkinnedMessage(TMessage& m)
{
    bool enabled = Enabled();
    switch (m.Msg) {
    case WM_PAINT: PaintMessage(m); return true;
    case WM_PRINTCLIENT:
    case WM_PRINT: PrintMessage(m); return true;
    // All drawing goes through the cache.
    case WM_ERASEBKGND:
    case CN_DRAWITEM: m.Result = 1; return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (enabled)
            MouseDown(m);
        return enabled;
    case WM_LBUTTONUP:
        if (enabled)
            MouseUp(m);
        return enabled;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.WParam != VK_SPACE || !Focused())
            return false;
        SpaceKey(m);
        return true;
    case WM_SETFOCUS: FocusReceived(m); return true;
    case WM_KILLFOCUS: FocusLost(m); return true;
    case CM_FOCUSCHANGED: TBitBtn::WndProc(m); UpdateActive(); return true;
    case WM_MOVE: Moved(m); return true;
    case WM_SIZE: shapeStale_ = true; return false;
    case WM_WINDOWPOSCHANGING: PositionChanging(m); return false;
    case WM_SETTEXT: shownCaption_.reset(); return false;
    // The system button announces its pushed state to itself this way
    // (mouse and space bar); following it spares a query at every paint.
    case BM_SETSTATE: systemPushed_ = m.WParam != 0; return false;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_BIDIMODECHANGED: LookInputChanged(m); return true;
    default: return false;
    }
}

void TsBitBtn::WndProc(TMessage& m)
{
    if (m.Msg == SM_SKINCMD) {
        if (!HandleSkinCommand(m))
            TBitBtn::WndProc(m);
        return;
    }
    bool skinned = skinData_->IsSkinned();
    bool wasOver = skinData_->MouseOver;
    if (skinData_->HandleStandardMessage(m))
        return;
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        MouseCrossed(m, skinned, wasOver);
        return;
    }
    if (m.Msg == CM_ENABLEDCHANGED && !Enabled())
        ReleaseHeldPress();
    if (skinned && HandleSkinnedMessage(m))
        return;
    TBitBtn::WndProc(m);
    if (paintedSpacing_ != Spacing())
        skinData_->CacheInvalid = true;
}
