// Files named in other scripts than Latin, and paths longer than 260
// characters, through the main window: typed, dropped, compared and shown in
// the details (the delete, move and error box tests of the commands use such
// names too). Texts are read back from the windows in UTF-16, as the windows
// hold them, so that a name passed through a wrong code page shows.

#include "app/MainWindowFixture.h"

#include <shlobj.h>

#include "toolkit/SysUtils.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";

// One name per script: Japanese, Cyrillic, Greek, and one with an emoji
// (a character outside the basic plane, two UTF-16 units).
struct ScriptName {
    const char* file;
    const char* stem;
    const char* extension;
};
constexpr ScriptName Names[] = {
    {"報告書の下書き.txt", "報告書の下書き", ".txt"},
    {"Отчёт за год.docx", "Отчёт за год", ".docx"},
    {"Αναφορά.σημείωση", "Αναφορά", ".σημείωση"},
    {"smile 😀 here.txt", "smile 😀 here", ".txt"},
};

std::wstring W(const std::string& text)
{
    return FromSystemCodePage(text);
}

std::vector<std::wstring> PaneLines(TMemo* pane)
{
    std::vector<std::wstring> lines;
    const std::wstring text = WideWindowText(pane->Handle());
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

bool Exists(const std::string& path)
{
    return FileAttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

// A drop as the desktop shell hands it over: a DROPFILES header followed by
// the paths in UTF-16, each ended by a zero, and a final zero.
HDROP MakeWideDrop(const std::vector<std::string>& paths)
{
    std::wstring list;
    for (const std::string& path : paths)
        list += W(path) + L'\0';
    list += L'\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                 sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {20, 90};
    header->fWide = TRUE;
    memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class FileNamesTest : public MainWindowTest {
protected:
    void Drop(const std::vector<std::string>& paths)
    {
        SendMessageW(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeWideDrop(paths)), 0);
        PumpMessages();
    }

    TempDir dir;
};

TEST(ProgramManifest, DeclaresUtf8LongPathsAndWindows7AndLater)
{
    // The tests carry the program's resources, manifest included.
    EXPECT_EQ(GetACP(), UINT(CP_UTF8));
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find(">UTF-8</activeCodePage>"), std::string::npos);
    EXPECT_NE(manifest.find(">true</longPathAware>"), std::string::npos);
    for (const char* version : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find("<supportedOS Id=\"" + std::string(version) + "\"/>"), std::string::npos) << version;
}

TEST_F(FileNamesTest, EachScriptComparesIdenticalAndShowsItsNameInTheDetails)
{
    const std::string first = dir.MakeFolder("原本");
    const std::string second = dir.MakeFolder("Копия");
    for (const ScriptName& name : Names) {
        SCOPED_TRACE(name.file);
        const std::string a = dir.WriteFile(std::string("原本\\") + name.file, "the same bytes");
        const std::string b = dir.WriteFile(std::string("Копия\\") + name.file, "the same bytes");
        Click(form->PvxButton2);
        Compare(a, b);
        EXPECT_EQ(Status(), Identical);
        EXPECT_EQ(CurrentPath1, a);
        const std::vector<std::wstring> one = PaneLines(form->Memo1);
        ASSERT_EQ(one.size(), 8u);
        EXPECT_EQ(one[0], L"File Name and Path: " + W(a));
        EXPECT_EQ(one[1], L"File Name: " + W(name.stem));
        EXPECT_EQ(one[2], L"File Name Extention: " + W(name.extension));
        EXPECT_EQ(one[3], L"File Size: 14 Bytes");
        EXPECT_GT(one[4].size(), std::wstring(L"File Type: ").size());
        EXPECT_GT(one[7].size(), std::wstring(L"Last Write: ").size()) << "the stamps need the file";
        EXPECT_EQ(PaneLines(form->Memo2)[0], L"File Name and Path: " + W(b));
    }
}

TEST_F(FileNamesTest, TypedNamesReachTheEditsWhole)
{
    const std::string a = dir.WriteFile(Names[0].file, "typed");
    const std::string b = dir.WriteFile(Names[3].file, "typed");
    SetFocus(form->FileName1->Handle());
    TypeText(W(a));
    SetFocus(form->FileName2->Handle());
    TypeText(W(b));
    EXPECT_EQ(WideWindowText(form->FileName1->Handle()), W(a));
    EXPECT_EQ(WideWindowText(form->FileName2->Handle()), W(b));
    EXPECT_EQ(form->FileName1->Text(), a);
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), Identical);
}

TEST_F(FileNamesTest, ADroppedNameArrivesWhole)
{
    const std::string a = dir.WriteFile(Names[3].file, "dropped");
    const std::string b = dir.WriteFile(Names[1].file, "dropped");
    Drop({a, b});
    EXPECT_EQ(WideWindowText(form->FileName1->Handle()), W(a));
    EXPECT_EQ(WideWindowText(form->FileName2->Handle()), W(b));
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), Identical);
}

TEST_F(FileNamesTest, APathLongerThan260CharactersIsComparedAndShownWhole)
{
    // Folders of 150 and 100 characters, in two scripts; dropped, since
    // typing stops at 255 characters.
    std::string folder = std::string(150, 'a');
    dir.MakeFolder(folder);
    std::string greek;
    for (int i = 0; i < 50; ++i)
        greek += "Ωλ";
    folder += "\\" + greek;
    dir.MakeFolder(folder);
    const std::string a = dir.WriteFile(folder + "\\" + Names[0].file, "far away");
    const std::string b = dir.WriteFile(folder + "\\" + Names[2].file, "far away");
    ASSERT_GT(W(a).size(), 260u);
    ASSERT_TRUE(Exists(a)) << "the file could not be written";
    Drop({a, b});
    Click(form->PvxButton1);
    EXPECT_EQ(Status(), Identical);
    const std::vector<std::wstring> one = PaneLines(form->Memo1);
    ASSERT_EQ(one.size(), 8u);
    EXPECT_EQ(one[0], L"File Name and Path: " + W(a));
    EXPECT_EQ(one[3], L"File Size: 8 Bytes");
    EXPECT_EQ(PaneLines(form->Memo2)[0], L"File Name and Path: " + W(b));
}

}  // namespace
