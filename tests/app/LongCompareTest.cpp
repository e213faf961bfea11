// Compare on files large enough to take seconds: the window goes on answering
// and painting, shows how far the command is, and stops on Esc or a close.
// The files are sparse, so they read back as zeros at the speed of memory
// without taking gigabytes of disk.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <vector>

#include "app/MainWindowFixture.h"
#include "controls/PvxControlTestSupport.h"
#include "toolkit/Handles.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";
constexpr const char* NotIdentical = "Files are Not Identical (By File Size and CRC32 Check)";

// A folder for the long files. Under Wine, Linux's memory file system when
// there is one: its holes read back from one shared page of zeros, whereas a
// disk's file system fills the page cache with them, and on a busy machine a
// single read of 1 MiB then waits up to 0.3 s for memory (measured natively
// on a fresh sparse file: 1 GiB in 6 s, against 0.2 s from /dev/shm).
std::unique_ptr<TempDir> LongFileFolder()
{
    const DWORD attributes = GetFileAttributesA("Z:\\dev\\shm");
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_unique<TempDir>("Z:\\dev\\shm\\");
    return std::make_unique<TempDir>();
}

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) / double(frequency.QuadPart);
}

// How fast this machine reads a sparse file in `folder`, in bytes a second:
// from a memory file system ten times faster than from a disk's.
double SparseReadSpeed(const TempDir& folder)
{
    constexpr std::uint64_t size = std::uint64_t(256) << 20;
    const std::string path = folder.WriteSparseFile("speed.img", size, "end");
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    std::vector<char> block(std::size_t(1) << 20);
    const double start = Now();
    DWORD got = 0;
    std::uint64_t total = 0;
    while (file && ReadFile(file.Get(), block.data(), DWORD(block.size()), &got, nullptr) && got > 0)
        total += got;
    const double seconds = Now() - start;
    file = UniqueFile();
    DeleteFileA(path.c_str());
    return total == size && seconds > 0 ? double(size) / seconds : 1e9;
}

// A size whose files take a few seconds to compare whole when
// identical (both read twice), whatever the machine: the window has to show
// its progress several times, and the tests should not take minutes.
std::uint64_t LongSizeFor(const TempDir& folder)
{
    const double bytes = SparseReadSpeed(folder) * 0.5;
    const auto mebibytes = std::clamp<std::uint64_t>(std::uint64_t(bytes) >> 20, 512, 64 << 10);
    return (mebibytes << 20) + 4096 + 7;
}

std::uint64_t PictureHash(const Image24& image)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb24& p = image.At(x, y);
            for (std::uint8_t byte : {p.r, p.g, p.b})
                hash = (hash ^ byte) * 1099511628211ull;
        }
    return hash;
}

// How long the window takes to answer messages sent to it from another
// thread, as another program sends them: one after the other, 10 ms apart.
class ReplyProbe {
public:
    explicit ReplyProbe(HWND window) : window_(window), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
    {
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ReplyProbe(const ReplyProbe&) = delete;
    ReplyProbe& operator=(const ReplyProbe&) = delete;
    ~ReplyProbe()
    {
        Stop();
        CloseHandle(stop_);
    }

    // Ends the sending; the window's thread answers the last one meanwhile.
    void Stop()
    {
        if (!thread_)
            return;
        SetEvent(stop_);
        while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
            PumpMessages();
        CloseHandle(thread_);
        thread_ = nullptr;
    }

    // The longest wait for an answer among the messages sent before `until`.
    double LongestBefore(double until) const
    {
        double longest = 0;
        for (const Reply& reply : replies_)
            if (reply.sent < until)
                longest = std::max(longest, reply.seconds);
        return longest;
    }
    int CountBefore(double until) const
    {
        return int(std::count_if(replies_.begin(), replies_.end(), [&](const Reply& r) { return r.sent < until; }));
    }

private:
    struct Reply {
        double sent;
        double seconds;
    };

    static DWORD WINAPI Run(void* self)
    {
        auto* probe = static_cast<ReplyProbe*>(self);
        do {
            const double sent = Now();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(probe->window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            probe->replies_.push_back({sent, Now() - sent});
        } while (WaitForSingleObject(probe->stop_, 10) == WAIT_TIMEOUT);
        return 0;
    }

    HWND window_;
    HANDLE stop_;
    HANDLE thread_ = nullptr;
    std::vector<Reply> replies_;
};

// What a user saw of one Compare, read from a thread timer that fires inside
// the command's own handling of messages.
struct CompareSeen {
    std::vector<std::string> texts;  // the status line's texts, as they changed
    int pictures = 0;                // distinct pictures of the window
    double progressFrom = 0;         // when progress first showed (0: never)
    double lastProgress = 0;         // the last tick that saw progress
    double ended = 0;                // when the command returned
    double longestReply = 0;         // among messages sent while progress showed
    int replies = 0;
};

class LongCompareTest : public MainWindowTest {
protected:
    // Runs Compare on the pair; `whileProgress` runs at every tick while the
    // status line shows progress.
    CompareSeen LongCompare(const std::string& path1, const std::string& path2,
                            std::function<void()> whileProgress = nullptr)
    {
        form->FileName1->SetText(path1);
        form->FileName2->SetText(path2);
        PumpMessages();
        seen_ = {};
        pictures_.clear();
        pictureOf_.clear();
        whileProgress_ = std::move(whileProgress);
        watching_ = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        SendMessageA(form->PvxButton1->Handle(), BM_CLICK, 0, 0);
        seen_.ended = Now();
        KillTimer(nullptr, timer);
        watching_ = nullptr;
        if (probe_) {
            probe_->Stop();
            seen_.longestReply = probe_->LongestBefore(seen_.lastProgress);
            seen_.replies = probe_->CountBefore(seen_.lastProgress);
            probe_.reset();
        }
        seen_.pictures = int(pictures_.size());
        PumpMessages();
        return seen_;
    }

    std::string SparseFile(const std::string& name, std::uint64_t size, const std::string& tail)
    {
        std::string path = longFiles->WriteSparseFile(name, size, tail);
        EXPECT_FALSE(path.empty()) << name;
        return path;
    }

    // A first Compare on small files, so that the status line and the panes
    // hold something a stopped command must leave as it was.
    void CompareSmallPair()
    {
        Compare(dir.WriteFile("small1.txt", "abc"), dir.WriteFile("small2.txt", "abc"));
        ASSERT_EQ(Status(), Identical);
        ASSERT_EQ(form->Memo1->Lines().Count(), 8);
        panes_ = {form->Memo1->Text(), form->Memo2->Text()};
    }
    void ExpectPanesAsBefore()
    {
        EXPECT_EQ(form->Memo1->Text(), panes_[0]);
        EXPECT_EQ(form->Memo2->Text(), panes_[1]);
    }

    // The point of the screen where the window's frame has its close button.
    POINT CloseButtonPoint() const
    {
        RECT w{};
        GetWindowRect(form->Handle(), &w);
        for (int y = w.top + 1; y < w.top + 40; ++y)
            for (int x = w.right - 2; x > w.right - 100; --x)
                if (SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                    return {x - 3, y + 3};
        ADD_FAILURE() << "no close button on the frame";
        return {0, 0};
    }

    TempDir dir;
    std::unique_ptr<TempDir> longFiles = LongFileFolder();
    const std::uint64_t longSize = LongSizeFor(*longFiles);

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (watching_)
            watching_->Watch();
    }

    void Watch()
    {
        // The picture is read back when the status line has changed (and
        // painted since), not at every tick: under Wine each read of the
        // screen costs milliseconds.
        const std::string text = Status();
        if (seen_.texts.empty() || seen_.texts.back() != text)
            seen_.texts.push_back(text);
        else if (pictureOf_ != text) {
            pictures_.insert(PictureHash(GrabWindowAsIs(form->Handle())));
            pictureOf_ = text;
        }
        if (text.rfind("Comparing... ", 0) != 0)
            return;
        seen_.lastProgress = Now();
        if (!seen_.progressFrom) {
            seen_.progressFrom = seen_.lastProgress;
            probe_ = std::make_unique<ReplyProbe>(form->Handle());
        }
        if (whileProgress_)
            whileProgress_();
    }

    static inline LongCompareTest* watching_ = nullptr;
    CompareSeen seen_;
    std::string pictureOf_;
    std::set<std::uint64_t> pictures_;
    std::function<void()> whileProgress_;
    std::unique_ptr<ReplyProbe> probe_;
    std::vector<std::string> panes_;
};

// The progress texts in the order shown: each "Comparing... N % (speed)",
// the share never going back.
void ExpectProgressTexts(const std::vector<std::string>& texts)
{
    static const std::regex progress(R"(Comparing\.\.\. (\d+) % \((\d+|\d+\.\d+) (B|KB|MB|GB|TB)/s\))");
    int shown = 0;
    int last = -1;
    for (const std::string& text : texts) {
        std::smatch match;
        if (text.rfind("Comparing", 0) != 0)
            continue;
        ASSERT_TRUE(std::regex_match(text, match, progress)) << text;
        const int percent = std::stoi(match[1]);
        EXPECT_GE(percent, last) << text;
        EXPECT_LT(percent, 100) << text;
        last = percent;
        ++shown;
    }
    EXPECT_GE(shown, 3) << "a few updates while the command runs";
}

TEST_F(LongCompareTest, IdenticalPairAnswersShowsProgressAndIgnoresOtherInput)
{
    CompareSmallPair();
    const std::string a = SparseFile("a.img", longSize, "same end");
    const std::string b = SparseFile("b.img", longSize, "same end");
    const std::string other = dir.WriteFile("other.txt", "x");
    bool aboutShown = false;
    WhenVisible about(AboutBox->Handle(), [&] {
        aboutShown = true;
        AboutBox->SetModalResult(mrOk);
    });
    bool inputSent = false;
    const CompareSeen seen = LongCompare(a, b, [&] {
        if (inputSent)
            return;
        inputSent = true;
        // What a user might do meanwhile: none of it may reach the window.
        for (TPvxButton* button : {form->PvxButton2, form->PvxButton3, form->PvxButton1}) {
            PostMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
            PostMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        }
        PostMessageW(form->FileName1->Handle(), WM_CHAR, 'x', 1);
        PostMessageW(form->Handle(), WM_DROPFILES, WPARAM(MakeDrop({other})), 0);
    });

    EXPECT_EQ(Status(), Identical);
    ASSERT_GT(seen.progressFrom, 0) << "no progress shown";
    ExpectProgressTexts(seen.texts);
    EXPECT_GE(seen.pictures, 4) << "the window painted its progress";
    EXPECT_GE(seen.replies, 20);
    EXPECT_LT(seen.longestReply, 0.25) << "the window answers within 250 ms";

    EXPECT_TRUE(inputSent);
    EXPECT_FALSE(aboutShown);
    EXPECT_EQ(form->FileName1->Text(), a) << "no typing, no Clear Fields, no drop";
    EXPECT_EQ(form->FileName2->Text(), b);
    ASSERT_EQ(form->Memo1->Lines().Count(), 16) << "one block of details appended, nothing cleared";
    EXPECT_EQ(form->Memo1->Lines()[8], "File Name and Path: " + a);
    EXPECT_EQ(form->Memo1->Lines()[11], "File Size: " + std::to_string(longSize) + " Bytes");
    EXPECT_EQ(form->Memo2->Lines()[8], "File Name and Path: " + b);
}

TEST_F(LongCompareTest, PairDifferingAtTheEndShowsProgressAndTheVerdict)
{
    const std::string a = SparseFile("a.img", longSize, "end 1");
    const std::string b = SparseFile("b.img", longSize, "end 2");
    const CompareSeen seen = LongCompare(a, b);
    EXPECT_EQ(Status(), NotIdentical);
    ExpectProgressTexts(seen.texts);
    EXPECT_LT(seen.longestReply, 0.25);
    ASSERT_EQ(form->Memo2->Lines().Count(), 8);
    EXPECT_EQ(form->Memo2->Lines()[0], "File Name and Path: " + b);
    EXPECT_EQ(form->Memo2->Lines()[3], "File Size: " + std::to_string(longSize) + " Bytes");
}

TEST_F(LongCompareTest, FileRemovedDuringTheChecksumsEndsWithTheErrorBox)
{
    CompareSmallPair();
    const std::string a = SparseFile("a.img", longSize, "same end");
    const std::string b = SparseFile("b.img", longSize, "same end");
    DialogAnswerer answer("File comparing utility", "OK");
    bool removed = false;
    // The comparison holds both files open against removal; the checksum of
    // file 1 holds only file 1.
    LongCompare(a, b, [&] {
        if (!removed)
            removed = DeleteFileA(b.c_str());
    });
    answer.Stop();
    ASSERT_TRUE(removed);
    ASSERT_TRUE(answer.Result().seen) << "no error box";
    ASSERT_EQ(answer.Result().texts.size(), 1u);
    EXPECT_EQ(answer.Result().texts[0], "File not found.");
    EXPECT_EQ(Status(), Identical) << "the status line keeps its text after an error";
    ExpectPanesAsBefore();
}

TEST_F(LongCompareTest, EscStopsKeepingStatusLinePanesAndStoredPaths)
{
    CompareSmallPair();
    const std::string a = SparseFile("a.img", longSize, "same end");
    const std::string b = SparseFile("b.img", longSize, "same end");
    DialogAnswerer answer("File comparing utility", "OK");
    double pressed = 0;
    const CompareSeen seen = LongCompare(a, b, [&] {
        if (pressed)
            return;
        pressed = Now();
        HWND focus = GetFocus() ? GetFocus() : form->Handle();
        PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(focus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    });
    answer.Stop();
    ASSERT_GT(pressed, 0) << "no progress shown";
    EXPECT_LT(seen.ended - pressed, 0.2) << "stopped within 200 ms";
    EXPECT_EQ(Status(), Identical) << "the text from before the command";
    ExpectPanesAsBefore();
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(CurrentPath2, b);
    EXPECT_FALSE(answer.Result().seen) << "no box";
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(Application->Terminated());

    // And the command runs again after a stop.
    Compare(a, dir.WriteFile("c.txt", "c"));
    EXPECT_EQ(Status(), NotIdentical);
}

TEST_F(LongCompareTest, CloseButtonAltF4OrTheTaskbarsCloseStopAndCloseTheWindow)
{
    CompareSmallPair();
    const std::string a = SparseFile("a.img", longSize, "same end");
    const std::string b = SparseFile("b.img", longSize, "same end");
    const POINT closeButton = CloseButtonPoint();
    const std::vector<std::pair<const char*, std::function<void()>>> closes{
        {"close button", [&] { ClickAtScreen(closeButton); }},
        {"Alt+F4", [&] { PostMessageW(GetFocus() ? GetFocus() : form->Handle(), WM_SYSKEYDOWN, VK_F4, 0x203E0001); }},
        {"the taskbar's Close window", [&] { PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [way, close] : closes) {
        SCOPED_TRACE(way);
        SetForegroundWindow(form->Handle());
        PumpMessages();
        double closed = 0;
        const CompareSeen seen = LongCompare(a, b, [&] {
            if (closed)
                return;
            closed = Now();
            close();
        });
        ASSERT_GT(closed, 0) << "no progress shown";
        EXPECT_LT(seen.ended - closed, 0.2) << "stopped within 200 ms";
        EXPECT_TRUE(Application->Terminated()) << "the program's loop ends";
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_EQ(Status(), Identical);
        ExpectPanesAsBefore();
        Application->ResetTerminated();
        form->Show();
        PumpMessages();
    }
}

}  // namespace
