#include "skin/engine/sSkinManager.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <utility>

#include "core/Exceptions.h"
#include "skin/engine/EngineState.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/SkinDistribution.h"
#include "skin/engine/SkinHook.h"
#include "skin/engine/SystemColorMode.h"
#include "skin/gdi/WicJpegDecoder.h"
#include "skin/model/SkinFileNames.h"
#include "skin/model/SkinLocation.h"
#include "skin/model/SkinStream.h"
#include "skin/model/acSkinPack.h"
#include "toolkit/Form.h"
#include "toolkit/SysUtils.h"

namespace {

constexpr const char* kDefaultSkinDirectory = "c:\\Skins";
constexpr const char* kDefaultIcoLineSkin = "ICOLINE";

const TacWicJpegDecoder& JpegDecoder()
{
    static const TacWicJpegDecoder decoder;
    return decoder;
}

const TsFileReader& SystemFileReader()
{
    static const TsWideFileReader reader;
    return reader;
}

// A skin name that stays one entry of the skin directory.
bool IsPlainSkinName(const std::string& name)
{
    return name.find_first_of("\\/") == std::string::npos && IsNameInsideSkin(name);
}

// The folder a file lies in, without a trailing separator but for a root ("c:\\").
std::string FolderOfFile(const std::string& path)
{
    std::size_t cut = path.find_last_of("\\/");
    if (cut == std::string::npos)
        return ".";
    return cut > 0 && path[cut - 1] == ':' ? path.substr(0, cut + 1) : path.substr(0, cut);
}

std::string ProgramFolder()
{
    char path[MAX_PATH * 4] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, DWORD(sizeof path));
    std::string file(path, length);
    std::size_t cut = file.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : file.substr(0, cut + 1);
}

bool FileExists(const std::string& path)
{
    DWORD attributes = FileAttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The lines of a stored text separated by CR LF (blank entries dropped).
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line != " ")
            lines.push_back(line);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

// A skin that cannot be read is announced as no skin: the load ends here,
// whatever went wrong, allocation failures included.
template <typename Load>
bool LoadGuarded(TsSkinModel& model, std::string& error, Load load)
{
    try {
        load();
        error.clear();
        return model.IsLoaded();
    } catch (const ENotSkinPackage& e) {
        error = e.Message();
        MessageBoxA(GetActiveWindow(), e.Message().c_str(), ENotSkinPackage::kCaption, MB_OK | MB_ICONWARNING);
    } catch (const Exception& e) {
        error = e.Message();
    } catch (const std::bad_alloc&) {
        error = "Out of memory";
    } catch (const std::exception& e) {
        error = e.what();
    }
    model.Clear();
    return false;
}

}  // namespace

const std::string& DefaultThirdPartyList(int kind)
{
    static const std::array<std::string, kThirdPartyKinds> lists = {
        "TEdit\r\nTMemo\r\nTMaskEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\nTCheckListBox\r\nTRichEdit\r\n"
        "TDateTimePicker",
        "TButton",
        "TBitBtn",
        "TCheckBox\r\nTRadioButton\r\nTGroupButton",
        "TComboBox\r\nTColorBox",
        "TStringGrid\r\nTDrawGrid",
        "TGroupBox\r\nTRadioGroup",
        "TListView",
        "TPanel",
        "TTreeView",
        " ",
        " ",
        " ",
        "TPageControl",
        "TTabControl",
        "TToolBar",
        "TStatusBar",
    };
    return lists[std::size_t(kind)];
}

TsSkinManager* DefaultManager()
{
    return SkinEngine().DefaultManager;
}

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner), fileReader_(&SystemFileReader())
{
    if (!SkinEngine().DefaultManager)
        SkinEngine().DefaultManager = this;
    RefreshThirdPartyLists();
    skinDirectory_ = kDefaultSkinDirectory;
}

TsSkinManager::~TsSkinManager()
{
    Destroying();
    if (active_ && model_.IsLoaded())
        BroadcastSkinRemoved();
    if (SkinEngine().DefaultManager == this) {
        RemoveSkinHook();
        SkinEngine().DefaultManager = nullptr;
    }
}

void TsSkinManager::RefreshThirdPartyLists()
{
    for (int kind = 0; kind < kThirdPartyKinds; ++kind) {
        std::string& stored = thirdParty_.Lists[std::size_t(kind)];
        if (stored.empty())
            stored = DefaultThirdPartyList(kind);
        classLists_[std::size_t(kind)] = SplitLines(stored);
    }
}

void TsSkinManager::SetFileReader(const TsFileReader* reader)
{
    fileReader_ = reader ? reader : &SystemFileReader();
}

std::string TsSkinManager::SkinPath() const
{
    return ResolveSkinDirectory(skinDirectory_, ProgramFolder());
}

void TsSkinManager::SetSkinName(const std::string& name)
{
    skinName_ = name;
    if (!active_)
        return;
    ChangeSkin(true);
}

void TsSkinManager::FollowSystemColorMode(const std::string& lightSkin, const std::string& darkSkin)
{
    lightSkin_ = lightSkin;
    darkSkin_ = darkSkin;
    SetSkinName(SystemAppsUseDark() ? darkSkin_ : lightSkin_);
}

namespace {
BOOL CALLBACK RepaintWindow(HWND window, LPARAM)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return TRUE;
}
}  // namespace

void TsSkinManager::SystemSettingChanged(const char* area)
{
    if (lightSkin_.empty() || !area || std::strcmp(area, kColorModeSettingArea) != 0)
        return;
    const std::string& wanted = SystemAppsUseDark() ? darkSkin_ : lightSkin_;
    if (wanted == skinName_)
        return;
    SetSkinName(wanted);
    // Dialogs skinned through the hook are no forms: they take the new skin
    // when they paint next.
    EnumThreadWindows(GetCurrentThreadId(), RepaintWindow, 0);
}

void TsSkinManager::ChangeSkin(bool announced)
{
    if (announced && OnBeforeChange)
        OnBeforeChange(this);
    bool loaded;
    {
        TsEngineFlag loading(SkinEngine().SkinLoading);
        loaded = LoadSkin();
    }
    if (loaded)
        BroadcastSkinLoaded(true);
    else
        BroadcastSkinRemoved();
    if (announced && OnAfterChange)
        OnAfterChange(this);
}

bool TsSkinManager::LoadSkin()
{
    model_.SkinData().Active = false;
    std::string package = UsablePackageFile();
    bool loaded = !package.empty() ? (LoadFromPackageFile(package), model_.IsLoaded()) : LoadFromFolderOrInternal();
    if (!loaded)
        active_ = false;
    return loaded;
}

TsSkinLoadOptions TsSkinManager::LoadOptions() const
{
    TsSkinLoadOptions options;
    options.HueOffset = hueOffset_;
    options.Saturation = saturation_;
    options.JpegDecoder = &JpegDecoder();
    options.FileReader = fileReader_;
    for (const std::string& line : commonSections_)
        options.CommonSections += line + "\r\n";
    return options;
}

void TsSkinManager::LoadFromPackageFile(const std::string& path)
{
    LoadGuarded(model_, loadError_, [&] {
        std::optional<std::vector<uint8_t>> bytes = fileReader_->ReadWhole(path);
        if (!bytes)
            throw EFOpenError("Cannot open file \"" + path + "\"");
        TacSpanStream stream(*bytes);
        TacSkinConvertor reader;
        reader.ReadPackage(stream);
        model_.LoadFromPackage(reader, SkinPath() + "\\", LoadOptions());
    });
}

// The directory is asked before anything inside it, so that a directory that
// is a link to elsewhere (a network share) is never gone through.
std::string TsSkinManager::UsablePackageFile() const
{
    if (!IsPlainSkinName(skinName_))
        return {};
    std::string package = SkinPackagePath(skinDirectory_, skinName_);
    bool usable = IsPlaceTheUserControls(FolderOfFile(package), ownerQuery_) && FileExists(package) &&
                  IsPlaceTheUserControls(package, ownerQuery_);
    return usable ? package : std::string();
}

std::string TsSkinManager::UsableSkinFolder() const
{
    if (!IsPlainSkinName(skinName_))
        return {};
    std::string directory = SkinPath();
    std::string folder = directory + "\\" + skinName_;
    bool usable = IsPlaceTheUserControls(directory, ownerQuery_) && IsPlaceTheUserControls(folder, ownerQuery_) &&
                  FileExists(folder + "\\Options.dat");
    return usable ? folder : std::string();
}

bool TsSkinManager::LoadFromFolderOrInternal()
{
    std::string folder = UsableSkinFolder();
    if (!folder.empty())
        return LoadGuarded(model_, loadError_, [&] { model_.LoadFromFolder(folder, LoadOptions()); });
    if (internalSkins_.empty()) {
        loadError_ = "No skin named \"" + skinName_ + "\"";
        model_.Clear();
        return false;
    }
    auto item = std::find_if(internalSkins_.begin(), internalSkins_.end(),
                             [&](const TsStoredSkin& s) { return s.Name == skinName_; });
    if (item == internalSkins_.end()) {
        item = internalSkins_.begin();
        skinName_ = item->Name;
    }
    return LoadGuarded(model_, loadError_, [&] { model_.LoadFromStoredSkin(*item, LoadOptions()); });
}

void TsSkinManager::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active) {
        ChangeSkin(false);
        return;
    }
    if (!IsLoading())
        BroadcastSkinRemoved();
}

void TsSkinManager::SetHueOffset(int value)
{
    if (value == hueOffset_)
        return;
    hueOffset_ = value;
    ReloadForColorChange();
}

void TsSkinManager::SetSaturation(int value)
{
    if (value == saturation_)
        return;
    saturation_ = value;
    ReloadForColorChange();
}

void TsSkinManager::ReloadForColorChange()
{
    if (!active_ || !model_.IsLoaded())
        return;
    bool loaded;
    {
        TsEngineFlag loading(SkinEngine().SkinLoading);
        loaded = LoadSkin();
    }
    if (!loaded) {
        BroadcastSkinRemoved();
        return;
    }
    // The same skin again: every binding's indexes still hold, only colours changed.
    model_.SkinData().Active = true;
    if (!IsLoading())
        BroadcastRepaint();
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& lines)
{
    commonSections_.clear();
    for (std::string line : lines) {
        if (!line.starts_with(";"))
            line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        commonSections_.push_back(line);
    }
    if (active_)
        ChangeSkin(false);
}

bool TsSkinManager::IsDefault() const
{
    return SkinEngine().DefaultManager == this;
}

void TsSkinManager::SetIsDefault(bool value)
{
    // False still makes this the default while the process has none.
    if (IsDefault() || (!value && DefaultManager()))
        return;
    SkinEngine().DefaultManager = this;
    if (active_ && model_.IsLoaded())
        BroadcastSkinLoaded(true);
    else
        BroadcastSkinRemoved();
}

std::string TsSkinManager::SkinInfo() const
{
    if (!active_ || !model_.IsLoaded())
        return "N/A";
    return FormatSkinVersion(model_.SkinData().Version);
}

void TsSkinManager::Loaded()
{
    TComponent::Loaded();
    if (skinDirectory_.empty())
        skinDirectory_ = kDefaultSkinDirectory;
    if (menuSupport_.IcoLineSkin.empty())
        menuSupport_.IcoLineSkin = kDefaultIcoLineSkin;
    RefreshThirdPartyLists();
    if (active_ && !skinName_.empty() && model_.IsLoaded())
        BroadcastSkinLoaded(false);
}

void TsSkinManager::Distribute(unsigned command, unsigned argument)
{
    DistributeToAllForms(SkinCmdParam(TsSkinCommand(command), WORD(argument)), reinterpret_cast<LPARAM>(this));
}

void TsSkinManager::FreezeSkinnedForms()
{
    if (IsDefault() && animEffects_.SkinChanging.Active)
        SkinEngine().AnimationInProgress = true;
    for (TCustomForm* form : SkinEngine().SkinnedForms) {
        TsFormSkinner* skinner = FormSkinnerOf(form);
        HWND window = form->HandleAllocated() ? form->Handle() : nullptr;
        bool frozen = std::find(frozenForms_.begin(), frozenForms_.end(), window) != frozenForms_.end();
        if (skinner && skinner->SkinManager() == this && window && IsWindowVisible(window) && !frozen) {
            SendMessageA(window, WM_SETREDRAW, FALSE, 0);
            frozenForms_.push_back(window);
        }
    }
}

void TsSkinManager::ThawSkinnedForms()
{
    if (IsDefault())
        SkinEngine().AnimationInProgress = false;
    // The forms frozen before: Wine takes a window whose drawing is off for an
    // invisible one, so visibility cannot tell them now.
    std::vector<HWND> frozen = std::exchange(frozenForms_, {});
    std::vector<TCustomForm*> forms = SkinEngine().SkinnedForms;
    for (TCustomForm* form : forms) {
        TsFormSkinner* skinner = FormSkinnerOf(form);
        if (!skinner || skinner->SkinManager() != this || !form->HandleAllocated() ||
            std::find(frozen.begin(), frozen.end(), form->Handle()) == frozen.end())
            continue;
        if (animEffects_.SkinChanging.Active)
            skinner->FadeToNewLook(animEffects_.SkinChanging.Time);
        SendMessageA(form->Handle(), WM_SETREDRAW, TRUE, 0);
        skinner->RebuildFrame();
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
    }
}

void TsSkinManager::BroadcastSkinLoaded(bool repaint)
{
    if (IsLoading())
        return;
    if (repaint)
        FreezeSkinnedForms();
    model_.SkinData().Active = false;
    {
        TsEngineFlag broadcast(SkinEngine().NewSkinBroadcast);
        Distribute(scSkinLoaded);
    }
    model_.SkinData().Active = true;
    if (IsDefault()) {
        InstallSkinHook();
        if (const auto& changed = SkinHookHandlers().SkinChanged)
            changed();
    }
    if (repaint)
        BroadcastRepaint();
}

void TsSkinManager::BroadcastRepaint()
{
    Distribute(scStopFading);
    if (!IsLoading())
        FreezeSkinnedForms();
    Distribute(scRepaint);
    if (!IsLoading())
        ThawSkinnedForms();
}

void TsSkinManager::BroadcastSkinRemoved()
{
    TsEngineFlag removing(SkinEngine().SkinRemoving);
    if (IsDefault())
        RemoveSkinHook();
    model_.SkinData().Active = false;
    Distribute(scSkinRemoved);
    model_.Clear();
}

void TsSkinManager::ListSkins(std::vector<std::string>& list, int kind, std::string* firstName) const
{
    std::vector<std::string> names;
    for (const TsStoredSkin& skin : internalSkins_)
        names.push_back(skin.Name);
    std::string dir = SkinPath();
    // Only skins that a load would take: in a directory the user controls.
    bool trusted = IsPlaceTheUserControls(dir, ownerQuery_);
    WIN32_FIND_DATAW entry{};
    HANDLE find = trusted ? FindFirstFileW((FileCallPath(dir) + L"\\*").c_str(), &entry) : INVALID_HANDLE_VALUE;
    std::vector<std::string> folders, packages;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = ToSystemCodePage(entry.cFileName);
            std::string path = dir + "\\" + name;
            if (name.starts_with(".") || !IsPlaceTheUserControls(path, ownerQuery_))
                continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (FileExists(path + "\\Options.dat"))
                    folders.push_back(name);
            } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".qlk") == 0) {
                packages.push_back(name.substr(0, name.find('.')));
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    if (kind == 0 || kind == 2)
        names.insert(names.end(), folders.begin(), folders.end());
    if (kind == 1 || kind == 2)
        names.insert(names.end(), packages.begin(), packages.end());
    if (firstName && !names.empty())
        *firstName = names.front();
    list.insert(list.end(), names.begin(), names.end());
    std::sort(list.begin(), list.end());
}
