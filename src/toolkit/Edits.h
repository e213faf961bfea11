#pragma once
// TCustomEdit and its kinds over the system's edit control: TEdit (one line),
// TMaskEdit (one line with an input mask; an empty mask accepts any text) and
// TMemo (several lines, with its lines as a list).

#include <string>
#include <vector>

#include "toolkit/Handles.h"
#include "toolkit/WinControl.h"

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);
    const char* ClassName() const override { return "TCustomEdit"; }

    // The most characters the user can type or paste (0: no limit). A paste
    // that would take the text past it is refused whole; text set by the
    // program is not limited.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

    bool WantsKey(WPARAM key) override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    LRESULT ControlColor(HDC dc);
    bool PasteFits();

    int maxLength_ = 0;
    bool readOnly_ = false;
    bool autoSize_ = true;
    UniqueBrush brush_;
    COLORREF brushColor_ = 0;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    const char* ClassName() const override { return "TEdit"; }
};

class TMaskEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
    const char* ClassName() const override { return "TMaskEdit"; }
    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& mask) { editMask_ = mask; }

private:
    std::string editMask_;
};

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo;

// The lines of a memo: the text split at line breaks; a final line break
// does not start another line.
class TMemoLines {
public:
    explicit TMemoLines(TMemo& memo) : memo_(memo) {}
    int Count() const;
    std::string operator[](int index) const;
    void Add(const std::string& line);
    // Adds the lines at the end in one change of the window, which repaints
    // once rather than once per line.
    void AddStrings(const std::vector<std::string>& lines);
    void Clear();

private:
    TMemo& memo_;
};

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);
    const char* ClassName() const override { return "TMemo"; }

    TMemoLines& Lines() { return lines_; }
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value) { scrollBars_ = value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value) { wordWrap_ = value; }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }

    bool WantsKey(WPARAM key) override;
    // Appends text at the end, keeping the caret there.
    void AppendText(const std::string& text);

protected:
    void CreateParams(TCreateParams& params) override;

private:
    TMemoLines lines_{*this};
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};
