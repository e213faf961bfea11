#include "app/About.h"

#include "app/ReadableText.h"
#include "fileservices/ShellServices.h"
#include "toolkit/Application.h"
#include "toolkit/FormData.h"

TAboutBox* AboutBox = nullptr;

namespace {
constexpr TColor TitleColor = 4276545;  // 0x414141, dark grey
constexpr TColor LinkHoverColor = clBlue;

void OpenLink(const TControl* link)
{
    OpenAddress(Application ? Application->Handle() : nullptr, link->Hint());
}
}  // namespace

std::string DisplayAddress(const std::string& address)
{
    std::string text = address;
    std::size_t scheme = text.find("://");
    if (scheme != std::string::npos)
        text.erase(0, scheme + 3);
    if (!text.empty() && text.back() == '/')
        text.pop_back();
    return text;
}

TAboutBox::~TAboutBox()
{
    if (AboutBox == this)
        AboutBox = nullptr;
}

void TAboutBox::CommentsMouseMove(TComponent* sender, TShiftState, int, int)
{
    auto* label = dynamic_cast<TLabel*>(sender);
    if (!label)
        return;
    label->SetCursor(crHandPoint);
    label->Font().SetColor(ReadableText(LinkHoverColor, "WEBBUTTON", true));
}

void TAboutBox::CommentsMouseLeave(TComponent* sender)
{
    auto* label = dynamic_cast<TLabel*>(sender);
    if (!label)
        return;
    label->SetCursor(crDefault);
    label->Font().SetColor(ReadableText(clBlack));
}

void TAboutBox::CommentsClick(TComponent* sender)
{
    if (auto* label = dynamic_cast<TLabel*>(sender))
        OpenLink(label);
}

void TAboutBox::Image1MouseMove(TComponent* sender, TShiftState, int, int)
{
    if (auto* image = dynamic_cast<TImage*>(sender))
        image->SetCursor(crHandPoint);
}

void TAboutBox::Image1MouseLeave(TComponent* sender)
{
    if (auto* image = dynamic_cast<TImage*>(sender))
        image->SetCursor(crDefault);
}

void TAboutBox::Image1Click(TComponent* sender)
{
    if (auto* image = dynamic_cast<TImage*>(sender))
        OpenLink(image);
}

void TAboutBox::ReadFormData()
{
    SetName("AboutBox");
    SetCaption("Parivex 1.1");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    SetShowHint(false);
    Font().SetName("MS Sans Serif");
    Font().SetSize(8);
    Font().SetColor(clWindowText);
    SetClientSize(298, 253);

    Panel1 = CreateControl<TPanel>(this, this, "Panel1", 9, 8, 281, 198);
    Panel1->SetBevelInner(TBevelCut::bvRaised);
    Panel1->SetBevelOuter(TBevelCut::bvLowered);
    Panel1->SetParentColor(true);
    Panel1->SetTabOrder(0);

    Copyright = CreateControl<TLabel>(this, Panel1, "Copyright", 66, 32, 140, 13);
    Copyright->SetCaption("Copyright (c) 2026 the Parivex authors");

    Comments = CreateControl<TLabel>(this, Panel1, "Comments", 78, 66, 109, 13);
    Comments->SetCaption(DisplayAddress(PublisherAddress));
    Comments->SetHint(PublisherAddress);
    Comments->SetWordWrap(true);
    Comments->OnClick = [this](TComponent* s) { CommentsClick(s); };
    Comments->OnMouseLeave = [this](TComponent* s) { CommentsMouseLeave(s); };
    Comments->OnMouseMove = [this](TComponent* s, TShiftState sh, int x, int y) {
        CommentsMouseMove(s, sh, x, y);
    };

    sBitBtn1 = CreateControl<TsBitBtn>(this, this, "sBitBtn1", 108, 214, 75, 33);
    sBitBtn1->SkinData().SetSkinSection("BUTTON");
    sBitBtn1->SetKind(TBitBtnKind::bkOK);
    sBitBtn1->SetTabOrder(1);

    Image1 = CreateControl<TImage>(this, Panel1, "Image1", 63, 84, 145, 105);
    Image1->Picture().LoadFromResourceName(GetModuleHandleA(nullptr), "ABOUTPICTURE");
    Image1->SetHint(PublisherAddress);
    Image1->OnClick = [this](TComponent* s) { Image1Click(s); };
    Image1->OnMouseLeave = [this](TComponent* s) { Image1MouseLeave(s); };
    Image1->OnMouseMove = [this](TComponent* s, TShiftState sh, int x, int y) {
        Image1MouseMove(s, sh, x, y);
    };

    // Sized to its caption and its shadow; transparent, so the publisher's
    // line below shows through where the shadow reaches it.
    sLabelFX1 = CreateControl<TsLabelFX>(this, Panel1, "sLabelFX1", 48, 1, 183, 36);
    sLabelFX1->SetCaption("Parivex 1.1");
    sLabelFX1->Font().SetName("MS Sans Serif");
    sLabelFX1->Font().SetSize(14);
    sLabelFX1->Font().SetStyle(fsBold);
    sLabelFX1->Font().SetColor(TitleColor);

    sLabel1 = CreateControl<TsLabel>(this, Panel1, "sLabel1", 83, 48, 102, 13);
    sLabel1->SetCaption("A Parivex utility");
    sLabel1->Font().SetName("MS Sans Serif");
    sLabel1->Font().SetSize(8);
    sLabel1->Font().SetColor(TitleColor);
    FollowSkin();
}

void TAboutBox::FollowSkin()
{
    sLabelFX1->Font().SetColor(ReadableText(TitleColor));
    sLabel1->Font().SetColor(ReadableText(TitleColor));
}
