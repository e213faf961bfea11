#pragma once
// TAboutBox: the modal box with the program's name, version and publisher,
// whose web address is a link twice over: as text and as a picture.

#include <string>

#include "controls/sBitBtn.h"
#include "controls/sLabel.h"
#include "toolkit/Buttons.h"
#include "toolkit/Form.h"
#include "toolkit/Image.h"
#include "toolkit/Labels.h"
#include "toolkit/Panel.h"

// The publisher's web address, fixed when the program is built: the build
// defines it from CMakeLists.txt, where the installer takes it from too.
#ifndef PVX_PUBLISHER_ADDRESS
#error "PVX_PUBLISHER_ADDRESS is defined by the build (CMakeLists.txt)"
#endif
inline constexpr const char* PublisherAddress = PVX_PUBLISHER_ADDRESS;

class TAboutBox : public TForm {
public:
    explicit TAboutBox(TComponent* owner) : TForm(owner) {}
    ~TAboutBox() override;
    const char* ClassName() const override { return "TAboutBox"; }

    TPanel* Panel1 = nullptr;
    TLabel* Copyright = nullptr;
    TLabel* Comments = nullptr;
    TsBitBtn* sBitBtn1 = nullptr;
    TImage* Image1 = nullptr;
    TsLabelFX* sLabelFX1 = nullptr;
    TsLabel* sLabel1 = nullptr;

    void CommentsClick(TComponent* sender);
    void CommentsMouseLeave(TComponent* sender);
    void CommentsMouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void Image1Click(TComponent* sender);
    void Image1MouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void Image1MouseLeave(TComponent* sender);
    // Gives the title texts colours that read on the active skin (after a skin change too).
    void FollowSkin();

protected:
    void ReadFormData() override;
};

extern TAboutBox* AboutBox;

// The address without its scheme and final slash, as the link shows it.
std::string DisplayAddress(const std::string& address);
