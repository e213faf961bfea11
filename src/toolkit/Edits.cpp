#include "toolkit/Edits.h"

#include <vector>

#include "toolkit/SysUtils.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetTabStop(true);
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClass = "EDIT";
    p.Style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
    if (readOnly_)
        p.Style |= ES_READONLY;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWindow()
{
    TWinControl::InitializeWindow();
    SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int length)
{
    maxLength_ = length < 0 ? 0 : length;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool value)
{
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

bool TCustomEdit::WantsKey(WPARAM key)
{
    return key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE;
}

LRESULT TCustomEdit::ControlColor(HDC dc)
{
    COLORREF back = ColorToRGB(Color());
    if (!brush_ || brushColor_ != back) {
        brush_.Reset(CreateSolidBrush(back));
        brushColor_ = back;
    }
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(brush_.Get());
}

namespace {

// The length in characters of what a paste would insert: the clipboard's
// text up to its end, or up to its first line break in a one-line edit
// (which the system's edit takes no further).
std::size_t PastedLength(HWND owner, bool multiLine)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return 0;
    std::size_t length = 0;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            std::size_t room = GlobalSize(data) / sizeof(wchar_t);
            while (length < room && text[length] && (multiLine || (text[length] != '\r' && text[length] != '\n')))
                ++length;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return length;
}

}  // namespace

// The system's edit cuts a paste at the length limit, and the cut text can
// name another, existing file (x.txt from x.txt.bak); a paste that does not
// fit whole is refused instead, with the beep of a full edit. Typing keeps
// the system's limit; text set by the program is not limited.
bool TCustomEdit::PasteFits()
{
    if (maxLength_ <= 0 || !HandleAllocated())
        return true;
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
    std::size_t kept = std::size_t(GetWindowTextLengthW(Handle())) - (end > start ? end - start : 0);
    bool multiLine = GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE;
    return kept + PastedLength(Handle(), multiLine) <= std::size_t(maxLength_);
}

void TCustomEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PASTE:
        if (!readOnly_ && !PasteFits()) {
            MessageBeep(MB_OK);
            m.Result = 0;
            return;
        }
        break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        m.Result = ControlColor(reinterpret_cast<HDC>(m.WParam));
        return;
    case CN_COMMAND:
        if (HIWORD(m.WParam) == EN_CHANGE && OnChange)
            OnChange(this);
        m.Result = 0;
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner)
{
    SetBounds(0, 0, 185, 89);
    SetAutoSize(false);
}

void TMemo::CreateParams(TCreateParams& p)
{
    TCustomEdit::CreateParams(p);
    p.Style &= ~DWORD(ES_AUTOHSCROLL);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (!wordWrap_)
        p.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth)
        p.Style |= WS_VSCROLL;
    if (scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth)
        p.Style |= WS_HSCROLL;
}

bool TMemo::WantsKey(WPARAM key)
{
    if (key == VK_RETURN)
        return wantReturns_;
    if (key == VK_TAB)
        return wantTabs_;
    return key != VK_ESCAPE;
}

void TMemo::AppendText(const std::string& text)
{
    if (!HandleAllocated()) {
        text_ += text;
        return;
    }
    HWND window = Handle();
    int length = GetWindowTextLengthW(window);
    const std::wstring wide = FromSystemCodePage(text);
    SendMessageW(window, EM_SETSEL, WPARAM(length), LPARAM(length));
    SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

namespace {
std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}
}  // namespace

int TMemoLines::Count() const
{
    return int(SplitLines(memo_.Text()).size());
}

std::string TMemoLines::operator[](int index) const
{
    std::vector<std::string> lines = SplitLines(memo_.Text());
    return index >= 0 && index < int(lines.size()) ? lines[std::size_t(index)] : std::string();
}

void TMemoLines::Add(const std::string& line)
{
    AddStrings({line});
}

void TMemoLines::AddStrings(const std::vector<std::string>& lines)
{
    std::string text = memo_.Text();
    bool needsBreak = !text.empty() && text.compare(text.size() >= 2 ? text.size() - 2 : 0, 2, "\r\n") != 0;
    std::string added = needsBreak ? "\r\n" : "";
    for (const std::string& line : lines)
        added += line + "\r\n";
    memo_.AppendText(added);
}

void TMemoLines::Clear()
{
    memo_.SetText("");
}
