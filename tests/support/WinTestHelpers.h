#pragma once
// Helpers for tests that drive real windows under Wine: message pumping, real
// keys and clicks, answering modal dialogs from inside their own message loop,
// temporary files, and counts of live GDI and USER objects.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Process-wide preparation before any test runs: the application object.
void PrepareTestProcess(const char* applicationTitle);

// Handles every message waiting in the thread's queue.
void PumpMessages();

// Handles messages as they arrive until done() holds or timeoutMs have
// passed; returns done()'s last answer. For waiting on timers, not a delay.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// The system's open-file dialog (Explorer style, wide) owned by `owner`, in
// `initialFolder`; returns once it closes, so a test answers it from a timer.
void ShowOpenFileDialog(HWND owner, const std::string& initialFolder);

// Posts a key press to a window and lets the application's loop handle it, as
// if the user had pressed it while that window had the focus.
void PressKey(HWND window, WORD key, bool shift = false);

// Types text as the keyboard does for characters it has no key for (each
// one a key press of its own carrying the character), into the window that
// has the focus, and lets the application's loop handle it.
void TypeText(const std::wstring& text);

// A modal dialog the test answered: its caption, its static texts (also as
// the dialog holds them, in UTF-16), and whether the button asked for was
// found and pressed.
struct AnsweredDialog {
    bool seen = false;
    bool pressed = false;
    std::string caption;
    std::vector<std::string> texts;
    std::vector<std::wstring> wideTexts;
    std::vector<std::string> buttons;
};

// Watches for the next dialog box (window class "#32770") of this process
// whose caption contains captionPart, reads it, and presses the button whose
// text (without "&") is buttonText. The watch runs from a thread timer, so it
// fires inside the dialog's own modal loop. Stop() ends an unanswered watch.
// With `ready`, the dialog is first asked whether it shows what the answer
// assumes; when it does not, "Cancel" is pressed instead and `pressed` stays
// false, so that a wrong state of the dialog cannot lead to a wrong action.
class DialogAnswerer {
public:
    DialogAnswerer(std::string captionPart, std::string buttonText,
                   std::function<bool(HWND dialog)> ready = nullptr);
    // First runs action(dialog) once the dialog is up, and presses the button
    // on a later tick: a timer fires only when the queue is empty, so by then
    // every message the action caused has been handled.
    void Meanwhile(std::function<void(HWND dialog)> action) { meanwhile_ = std::move(action); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    ~DialogAnswerer();
    const AnsweredDialog& Result() const { return result_; }
    void Stop();

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    bool TryAnswer();

    std::string captionPart_;
    std::string buttonText_;
    std::function<bool(HWND)> ready_;
    std::function<void(HWND)> meanwhile_;
    UINT_PTR timer_ = 0;
    AnsweredDialog result_;
};

// The name of the folder selected in the tree of the shell's folder picker
// (the dialog window given); empty when none is.
std::wstring PickerSelection(HWND picker);

// Runs an action from inside the next modal loop (e.g. of ShowModal), once
// the given window is visible.
class WhenVisible {
public:
    WhenVisible(HWND window, std::function<void()> action);
    WhenVisible(const WhenVisible&) = delete;
    WhenVisible& operator=(const WhenVisible&) = delete;
    ~WhenVisible();
    bool Done() const { return done_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    HWND window_;
    std::function<void()> action_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
};

// A fresh folder under the system's temporary folder, removed with its files.
class TempDir {
public:
    TempDir();
    // The same under another folder (a path ending in a backslash).
    explicit TempDir(const std::string& base);
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();
    const std::string& Path() const { return path_; }
    // Writes a file in the folder and returns its full path. Names may be in
    // any script and paths of any length.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    // A file of `size` bytes ending in `tail`, the bytes before it a hole that
    // takes no room on disk; its full path, or empty when it cannot be made.
    std::string WriteSparseFile(const std::string& name, std::uint64_t size,
                                const std::string& tail) const;
    // Creates a folder in the folder and returns its full path.
    std::string MakeFolder(const std::string& name) const;
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// Live GDI objects of the process (GetGuiResources where it answers, else the
// shared GDI handle table) and live windows of the thread.
int CountGdiObjects();
int CountThreadWindows();

// The text of a window (title, edit contents, button caption), in the system
// code page and as the window holds it, in UTF-16.
std::string WindowText(HWND window);
std::wstring WideWindowText(HWND window);

// A named pipe of this process that nobody ever writes to; reading it would
// wait for ever. It has eight instances, so eight opens find one free.
class IdlePipe {
public:
    IdlePipe();
    IdlePipe(const IdlePipe&) = delete;
    IdlePipe& operator=(const IdlePipe&) = delete;
    ~IdlePipe();
    const std::string& Path() const { return path_; }

private:
    std::vector<HANDLE> instances_;
    std::string path_;
};

// A real left click at a point of the screen, through the system's input.
void ClickAtScreen(POINT point);
// The centre of a window on the screen.
POINT ScreenCentre(HWND window);

// A drop handle as the shell hands it over: a DROPFILES header followed by
// the zero-ended paths and a final zero, in movable global memory.
HDROP MakeDrop(const std::vector<std::string>& paths, POINT at = {20, 90});
