// The main window's form data: every component in declaration order, with the
// values that differ from the defaults. TCustomForm::Create runs it while the
// form is loading, then calls Loaded on each component and FormCreate.

#include "app/frmMain.h"
#include "app/About.h"
#include "app/ReadableText.h"
#include "toolkit/FormData.h"
#include "toolkit/Resources.h"

namespace {
constexpr TColor EditTextColor = 4276545;  // 0x414141, dark grey
constexpr const char* InternalSkinName = "Opus (internal)";
constexpr const char* InternalDarkSkinName = "Opus Dark (internal)";

void SetUpFileNameEdit(TsFilenameEdit* edit, int tabOrder, const char* hint)
{
    edit->SetMaxLength(255);
    edit->SetAutoSize(false);
    edit->SetColor(clWhite);
    edit->Font().SetName("Tahoma");
    edit->Font().SetSize(8);
    edit->Font().SetColor(EditTextColor);
    edit->SkinData().SetSkinSection("EDIT");
    edit->SetDialogOptions(ofEnableSizing);
    edit->GlyphMode().SetGrayed(false);
    edit->SetTabOrder(tabOrder);
    SetOwnHint(edit, hint);
}

// A command button: its glyph from the program's resources over its caption,
// in the extended classic frame (or the platform's visual style).
void SetUpCommandButton(TPvxButton* button, int tabOrder, const char* hint, const char* glyph)
{
    button->SetTabOrder(tabOrder);
    SetOwnHint(button, hint);
    button->LoadGlyphFromResourceName(GetModuleHandleA(nullptr), glyph);
    button->ButtonLayout().SetAlignText2Glyph(TPvxTextArrange::taBottom);
    button->SetButtonStyle(TPvxUserButtonStyle::ubsWin40Ext);
}

void SetUpDetailsPane(TMemo* memo, int tabOrder)
{
    memo->SetReadOnly(true);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetTabOrder(tabOrder);
}

// A slot caption sizes itself to its text.
void SetUpSlotCaption(TPvxLabel* label)
{
    label->Bevel().SetMode(TPvxBevelMode::bmCustom);
    label->SetOptions(0);
}
}  // namespace

void TForm1::ReadFormData()
{
    SetName("Form1");
    SetCaption("Parivex 1.1");
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetPosition(TPosition::poDesktopCenter);
    SetColor(clBtnFace);
    Font().SetName("Tahoma");
    Font().SetSize(8);
    Font().SetColor(clWindowText);
    SetClientSize(483, 557);
    Icon().LoadFromResourceName(GetModuleHandleA(nullptr), "MAINICON");
    OnCreate = [this](TComponent* s) { FormCreate(s); };

    PvxButton1 = CreateControl<TPvxButton>(this, this, "PvxButton1", 8, 140, 75, 57);
    PvxButton1->SetCaption("Compare");
    SetUpCommandButton(PvxButton1, 0, "Click to compare files", "PVX_GLYPH_COMPARE");
    PvxButton1->OnClick = [this](TComponent* s) { PvxButton1Click(s); };

    Label1 = CreateControl<TPvxLabel>(this, this, "Label1", 8, 204, 467, 15);
    Label1->SetCaption(StartPrompt);
    Label1->SetAutoSize(false);
    Label1->SetAlignment(TPvxAlignment::agCenter);
    Label1->Font().SetStyle(fsBold);
    Label1->Bevel().SetMode(TPvxBevelMode::bmCustom);
    Label1->SetOptions(0);

    PvxLabel1 = CreateControl<TPvxLabel>(this, this, "PvxLabel1", 8, 8, 31, 15);
    PvxLabel1->SetCaption("File 1:");
    SetUpSlotCaption(PvxLabel1);

    PvxLabel2 = CreateControl<TPvxLabel>(this, this, "PvxLabel2", 8, 64, 31, 15);
    PvxLabel2->SetCaption("File 2:");
    SetUpSlotCaption(PvxLabel2);

    PvxButton2 = CreateControl<TPvxButton>(this, this, "PvxButton2", 89, 140, 75, 57);
    PvxButton2->SetCaption("Clear Fields");
    SetUpCommandButton(PvxButton2, 1, "Clear all fields", "PVX_GLYPH_CLEARFIELDS");
    PvxButton2->OnClick = [this](TComponent* s) { PvxButton2Click(s); };

    FileName1 = CreateControl<TsFilenameEdit>(this, this, "FileName1", 8, 24, 467, 21);
    SetUpFileNameEdit(FileName1, 2, "Browse and select the first file to compare");

    FileName2 = CreateControl<TsFilenameEdit>(this, this, "FileName2", 8, 80, 467, 21);
    SetUpFileNameEdit(FileName2, 3, "Browse and select the second file to compare");

    FileCtrl1 = new TPvxFileCtrl(this);
    FileCtrl1->SetName("FileCtrl1");
    FileCtrl2 = new TPvxFileCtrl(this);
    FileCtrl2->SetName("FileCtrl2");

    Memo1 = CreateControl<TMemo>(this, this, "Memo1", 8, 238, 467, 140);
    SetUpDetailsPane(Memo1, 4);

    Memo2 = CreateControl<TMemo>(this, this, "Memo2", 8, 404, 467, 140);
    SetUpDetailsPane(Memo2, 5);

    Label2 = CreateControl<TLabel>(this, this, "Label2", 8, 223, 64, 13);
    Label2->SetCaption("File 1 Details:");

    Label3 = CreateControl<TLabel>(this, this, "Label3", 8, 390, 64, 13);
    Label3->SetCaption("File 2 Details:");

    PvxButton3 = CreateControl<TPvxButton>(this, this, "PvxButton3", 319, 140, 75, 57);
    PvxButton3->SetCaption("About...");
    SetUpCommandButton(PvxButton3, 6, "About Parivex", "PVX_GLYPH_ABOUT");
    PvxButton3->OnClick = [this](TComponent* s) { PvxButton3Click(s); };

    PvxButton4 = CreateControl<TPvxButton>(this, this, "PvxButton4", 400, 140, 75, 57);
    PvxButton4->SetCaption("Close");
    SetUpCommandButton(PvxButton4, 7, "Exit Parivex", "PVX_GLYPH_CLOSE");
    PvxButton4->OnClick = [this](TComponent* s) { PvxButton4Click(s); };

    // The manager carries the internal skins whole, light and dark, and takes
    // the one matching the system's colour mode.
    sSkinManager1 = new TsSkinManager(this);
    sSkinManager1->SetName("sSkinManager1");
    TsStoredSkin opus;
    opus.Name = InternalSkinName;
    opus.Data = LoadResourceData("OPUSSKIN", MAKEINTRESOURCEA(10));  // RT_RCDATA
    sSkinManager1->InternalSkins().push_back(std::move(opus));
    TsStoredSkin opusDark;
    opusDark.Name = InternalDarkSkinName;
    opusDark.Data = LoadResourceData("OPUSDARKSKIN", MAKEINTRESOURCEA(10));
    sSkinManager1->InternalSkins().push_back(std::move(opusDark));
    sSkinManager1->FollowSystemColorMode(InternalSkinName, InternalDarkSkinName);

    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->SetName("sSkinProvider1");
    sSkinProvider1->SkinData().SetSkinSection("FORM");

    sBitBtn1 = CreateControl<TsBitBtn>(this, this, "sBitBtn1", 376, 48, 99, 25);
    sBitBtn1->SkinData().SetSkinSection("BUTTON");
    sBitBtn1->SetCaption("Delete File 1");
    sBitBtn1->SetTabOrder(8);
    sBitBtn1->OnClick = [this](TComponent* s) { sBitBtn1Click(s); };

    sBitBtn2 = CreateControl<TsBitBtn>(this, this, "sBitBtn2", 271, 48, 99, 25);
    sBitBtn2->SkinData().SetSkinSection("BUTTON");
    sBitBtn2->SetCaption("Move File 1");
    sBitBtn2->SetTabOrder(9);
    sBitBtn2->OnClick = [this](TComponent* s) { sBitBtn2Click(s); };

    sBitBtn3 = CreateControl<TsBitBtn>(this, this, "sBitBtn3", 376, 104, 99, 25);
    sBitBtn3->SkinData().SetSkinSection("BUTTON");
    sBitBtn3->SetCaption("Delete File 2");
    sBitBtn3->SetTabOrder(10);
    sBitBtn3->OnClick = [this](TComponent* s) { sBitBtn3Click(s); };

    sBitBtn4 = CreateControl<TsBitBtn>(this, this, "sBitBtn4", 271, 104, 99, 25);
    sBitBtn4->SkinData().SetSkinSection("BUTTON");
    sBitBtn4->SetCaption("Move File 2");
    sBitBtn4->SetTabOrder(11);
    sBitBtn4->OnClick = [this](TComponent* s) { sBitBtn4Click(s); };

    // InitialDir stays empty, so the folder picker starts at Root, the user's desktop.
    Folder1 = new TBrowse4Folder(this);
    Folder1->SetName("Folder1");
    Folder1->SetTitle("Select Target");
    Folder1->SetRoot(TWinPaths::Desktop);

    // The status line's own colour, and the About box's, follow a skin change.
    auto followSkin = [this] {
        Label1->Font().SetColor(ReadableText(clWindowText));
        if (AboutBox)
            AboutBox->FollowSkin();
    };
    sSkinManager1->OnAfterChange = [followSkin](TComponent*) { followSkin(); };
    followSkin();

    SetActiveControl(FileName1);
}
