#include "app/About.h"

#include "toolkit/FormData.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::~TAboutBox()
{
    if (AboutBox == this)
        AboutBox = nullptr;
}

namespace {
constexpr TColor TitleColor = 4276545;  // 0x414141, dark grey
}

void TAboutBox::ReadFormData()
{
    SetName("AboutBox");
    SetCaption("Parivex 1.1");
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetColor(clBtnFace);
    Font().SetName("MS Sans Serif");
    Font().SetSize(8);
    SetClientSize(298, 253);

    Panel1 = CreateControl<TPanel>(this, this, "Panel1", 9, 8, 281, 198);
    Panel1->SetBevelInner(TBevelCut::bvRaised);
    Panel1->SetBevelOuter(TBevelCut::bvLowered);
    Panel1->SetParentColor(true);
    Panel1->SetTabOrder(0);

    Copyright = CreateControl<TLabel>(this, Panel1, "Copyright", 66, 32, 140, 13);
    Copyright->SetCaption("Copyright (c) 2026 the Parivex authors");

    sBitBtn1 = CreateControl<TBitBtn>(this, this, "sBitBtn1", 108, 214, 75, 33);
    sBitBtn1->SetKind(TBitBtnKind::bkOK);
    sBitBtn1->SetTabOrder(1);

    sLabelFX1 = CreateControl<TLabel>(this, Panel1, "sLabelFX1", 48, 1, 183, 36);
    sLabelFX1->SetCaption("Parivex 1.1");
    sLabelFX1->SetAutoSize(false);
    sLabelFX1->SetAlignment(TAlignment::taCenter);
    sLabelFX1->SetLayout(TTextLayout::tlCenter);
    sLabelFX1->Font().SetName("MS Sans Serif");
    sLabelFX1->Font().SetSize(14);
    sLabelFX1->Font().SetStyle(fsBold);
    sLabelFX1->Font().SetColor(TitleColor);

    sLabel1 = CreateControl<TLabel>(this, Panel1, "sLabel1", 83, 48, 102, 13);
    sLabel1->SetCaption("A Parivex utility");
    sLabel1->Font().SetName("MS Sans Serif");
    sLabel1->Font().SetSize(8);
    sLabel1->Font().SetColor(TitleColor);
}
