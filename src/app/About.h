#pragma once
// TAboutBox: the modal box with the program's name and version.

#include "toolkit/Buttons.h"
#include "toolkit/Form.h"
#include "toolkit/Labels.h"
#include "toolkit/Panel.h"

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner) : TForm(owner) {}
    ~TAboutBox() override;
    const char* ClassName() const override { return "TAboutBox"; }

    TPanel* Panel1 = nullptr;
    TLabel* Copyright = nullptr;
    TBitBtn* sBitBtn1 = nullptr;
    TLabel* sLabelFX1 = nullptr;
    TLabel* sLabel1 = nullptr;

protected:
    void ReadFormData() override;
};

extern TAboutBox* AboutBox;
