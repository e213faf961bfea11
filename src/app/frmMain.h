#pragma once
// TForm1: the main window with its two file slots and its commands.

#include <string>
#include <vector>

#include "controls/PvxButton.h"
#include "controls/PvxLabel.h"
#include "controls/sBitBtn.h"
#include "controls/sTooledit.h"
#include "fileservices/Browse4Folder.h"
#include "fileservices/PvxFileCtrl.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"
#include "toolkit/Buttons.h"
#include "toolkit/Edits.h"
#include "toolkit/Form.h"
#include "toolkit/Labels.h"

// The paths the commands last took from the edits; Clear Fields keeps them.
extern std::string CurrentPath1;
extern std::string CurrentPath2;

// Posted by the main window to itself once it is shown with two start files
// (OpenStartFiles): runs Compare. No parameters.
constexpr UINT PM_COMPARESTARTFILES = WM_APP;

// The prompt the status line shows at start and after Clear Fields.
inline constexpr const char* StartPrompt = "Select files to compare and click compare to check";

class TCompareRun;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    TPvxButton* PvxButton1 = nullptr;
    TPvxLabel* Label1 = nullptr;
    TPvxLabel* PvxLabel1 = nullptr;
    TPvxLabel* PvxLabel2 = nullptr;
    TPvxButton* PvxButton2 = nullptr;
    TsFilenameEdit* FileName1 = nullptr;
    TsFilenameEdit* FileName2 = nullptr;
    TPvxFileCtrl* FileCtrl1 = nullptr;
    TPvxFileCtrl* FileCtrl2 = nullptr;
    TMemo* Memo1 = nullptr;
    TMemo* Memo2 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TPvxButton* PvxButton3 = nullptr;
    TPvxButton* PvxButton4 = nullptr;
    TsSkinManager* sSkinManager1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;
    TsBitBtn* sBitBtn1 = nullptr;
    TsBitBtn* sBitBtn2 = nullptr;
    TsBitBtn* sBitBtn3 = nullptr;
    TsBitBtn* sBitBtn4 = nullptr;
    TBrowse4Folder* Folder1 = nullptr;

    void PvxButton1Click(TComponent* sender);
    bool Ident();
    void PvxButton2Click(TComponent* sender);
    bool Are2FilesEqual(const std::string& path1, const std::string& path2);
    void FileDetails();
    void PvxButton4Click(TComponent* sender);
    void PvxButton3Click(TComponent* sender);
    void FormCreate(TComponent* sender);
    void sBitBtn1Click(TComponent* sender);
    void sBitBtn3Click(TComponent* sender);
    void sBitBtn2Click(TComponent* sender);
    void sBitBtn4Click(TComponent* sender);
    void WMDropFiles(TMessage& message);

    // Puts the files the program was started with (StartFilesOf) into the
    // slots: one fills File 1, two fill both and run Compare, as a click on
    // it would, once the window is shown and painted.
    void OpenStartFiles(const std::vector<std::string>& paths);

    void WndProc(TMessage& message) override;

protected:
    void ReadFormData() override;

private:
    // One file slot of the window: its edit, current path and file component.
    struct FileSlot {
        TsFilenameEdit* edit;
        std::string& currentPath;
        TPvxFileCtrl* fileCtrl;
    };
    FileSlot Slot(int number);
    void DeleteSlotFile(FileSlot slot);
    void MoveSlotFile(FileSlot slot);
    void CompareStartFiles();
    bool CompareFiles(TCompareRun& run);

    bool compareWhenShown_ = false;
    // The Compare command's reading while it runs; the window answers
    // meanwhile, and nothing else may start.
    TCompareRun* compareRun_ = nullptr;
};

extern TForm1* Form1;

// A path names an existing file: the system returns attributes for it and
// they do not include the directory attribute. A path with a name the system
// cannot address as written does not (HasUnreachableName).
bool FileExists(const std::string& path);

// Whether a name of the path (other than "." and "..") ends in a dot or a
// space. The system drops those when it opens a path, so "report.txt." opens
// "report.txt": such a path names another file than the one the user chose.
bool HasUnreachableName(const std::string& path);
