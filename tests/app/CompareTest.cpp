#include "app/MainWindowFixture.h"

namespace {

constexpr const char* Identical = "Files are Identical (By File Size and CRC32 Check)";
constexpr const char* NotIdentical = "Files are Not Identical (By File Size and CRC32 Check)";

class CompareTest : public MainWindowTest {
protected:
    TempDir dir;
};

TEST_F(CompareTest, BothEditsEmptyReportFile1AndLeaveCurrentPath1)
{
    CurrentPath1 = "earlier";
    Compare("", "");
    EXPECT_EQ(Status(), "File 1 not exists");
    EXPECT_EQ(CurrentPath1, "earlier");
}

TEST_F(CompareTest, MissingSecondFileStoresThePathOfTheFirst)
{
    std::string a = dir.WriteFile("a.bin", "abc");
    Compare(a, "");
    EXPECT_EQ(Status(), "File 2 not exists");
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(CurrentPath2, "");
    EXPECT_EQ(form->Memo1->Text(), "");

    Compare(a, dir.PathOf("missing.bin"));
    EXPECT_EQ(Status(), "File 2 not exists");
}

TEST_F(CompareTest, FoldersAndSpacesAreNotExistingFiles)
{
    std::string a = dir.WriteFile("a.bin", "abc");
    Compare(dir.Path(), a);
    EXPECT_EQ(Status(), "File 1 not exists");
    Compare(a, dir.Path());
    EXPECT_EQ(Status(), "File 2 not exists");
    Compare("   ", a);
    EXPECT_EQ(Status(), "File 1 not exists");
}

TEST_F(CompareTest, EqualSizesDifferingInTheLastByteAreNotIdentical)
{
    std::string body(100000, 'x');
    std::string a = dir.WriteFile("a.bin", body + "1");
    std::string b = dir.WriteFile("b.bin", body + "2");
    Compare(a, b);
    EXPECT_EQ(Status(), NotIdentical);
    EXPECT_EQ(CurrentPath1, a);
    EXPECT_EQ(CurrentPath2, b);
}

TEST_F(CompareTest, FilesPastFourGibibytesDifferingOnlyInTheirLastByte)
{
    // Sparse files: all but their last page are holes that read as zeros.
    const std::uint64_t size = (std::uint64_t(1) << 32) + 4096 + 7;
    const std::string a = dir.WriteSparseFile("a.bin", size, "last byte: 1");
    const std::string b = dir.WriteSparseFile("b.bin", size, "last byte: 2");
    ASSERT_FALSE(a.empty() || b.empty());
    Compare(a, b);
    EXPECT_EQ(Status(), NotIdentical);
    EXPECT_EQ(form->Memo1->Lines()[3], "File Size: " + std::to_string(size) + " Bytes");
}

TEST_F(CompareTest, SizesOneByteApartAtTheFourGibibyteBoundary)
{
    const std::uint64_t size = std::uint64_t(1) << 32;
    const std::string a = dir.WriteSparseFile("a.bin", size, "end");
    const std::string b = dir.WriteSparseFile("b.bin", size - 1, "end");
    ASSERT_FALSE(a.empty() || b.empty());
    Compare(a, b);
    EXPECT_EQ(Status(), NotIdentical);
    Compare(b, a);
    EXPECT_EQ(Status(), NotIdentical);
}

TEST_F(CompareTest, DifferentSizesAreNotIdentical)
{
    Compare(dir.WriteFile("a.bin", "abc"), dir.WriteFile("b.bin", "abcd"));
    EXPECT_EQ(Status(), NotIdentical);
}

TEST_F(CompareTest, EqualContentsUnderOtherNamesAreIdentical)
{
    std::string bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 7);
    Compare(dir.WriteFile("one.dat", bytes), dir.WriteFile("two.other", bytes));
    EXPECT_EQ(Status(), Identical);
}

TEST_F(CompareTest, TwoEmptyFilesAreIdentical)
{
    Compare(dir.WriteFile("a.bin", ""), dir.WriteFile("b.bin", ""));
    EXPECT_EQ(Status(), Identical);
}

TEST_F(CompareTest, TheSamePathTwiceIsIdentical)
{
    std::string a = dir.WriteFile("a.bin", "content");
    Compare(a, a);
    EXPECT_EQ(Status(), Identical);
}

TEST_F(CompareTest, AFileLockedForWritingEndsTheCommandWithTheErrorBox)
{
    std::string a = dir.WriteFile("施錠中.bin", "abc");  // named in Japanese
    std::string b = dir.WriteFile("b.bin", "xyz");
    Compare(b, b);
    ASSERT_EQ(Status(), Identical);

    HANDLE holder = CreateFileA(a.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    DialogAnswerer answer("File comparing utility", "OK");
    Compare(a, b);
    answer.Stop();
    CloseHandle(holder);

    ASSERT_TRUE(answer.Result().seen) << "no error box";
    EXPECT_TRUE(answer.Result().pressed);
    EXPECT_EQ(answer.Result().caption, "File comparing utility");
    EXPECT_EQ(answer.Result().buttons, std::vector<std::string>{"OK"});
    ASSERT_EQ(answer.Result().texts.size(), 1u);
    const std::string& text = answer.Result().texts[0];
    EXPECT_EQ(text.rfind("Cannot open file \"" + a + "\". ", 0), 0u) << text;
    EXPECT_GT(text.size(), ("Cannot open file \"" + a + "\". ").size() + 1) << "the system's reason is missing";
    EXPECT_EQ(text.back(), '.');
    ASSERT_EQ(answer.Result().wideTexts.size(), 1u);
    EXPECT_EQ(answer.Result().wideTexts[0].rfind(L"Cannot open file \"" + FromSystemCodePage(a) + L"\". ", 0), 0u)
        << "the name as the box holds it";
    EXPECT_EQ(Status(), Identical) << "the status line keeps its text after an error";
    EXPECT_EQ(CurrentPath1, a);

    Compare(a, b);  // the program goes on
    EXPECT_EQ(Status(), NotIdentical);
}

// A pipe, a device or a /proc file under Wine ends the command with the error
// box: never a hang, never a verdict. Under Wine a named pipe does not even
// pass the existence test (its attributes cannot be read), so there the
// status line says so instead.
TEST_F(CompareTest, APipeADeviceOrAMadeUpFileEndsWithTheErrorBoxNotAVerdict)
{
    std::string a = dir.WriteFile("a.bin", "abc");
    IdlePipe pipe;
    for (const std::string& other : {pipe.Path(), std::string("NUL"), std::string("Z:\\proc\\self\\status")}) {
        for (int slot : {1, 2}) {
            SCOPED_TRACE(other + " in slot " + std::to_string(slot));
            Compare(a, a);
            ASSERT_EQ(Status(), Identical);
            DialogAnswerer answer("File comparing utility", "OK");
            slot == 1 ? Compare(other, a) : Compare(a, other);
            answer.Stop();
            DWORD_PTR result = 0;
            EXPECT_NE(SendMessageTimeoutA(form->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result), 0)
                << "the window answers";
            if (!FileExists(other)) {
                EXPECT_EQ(Status(), "File " + std::to_string(slot) + " not exists");
                continue;
            }
            ASSERT_TRUE(answer.Result().seen) << "no error box";
            ASSERT_EQ(answer.Result().texts.size(), 1u);
            EXPECT_NE(answer.Result().texts[0].find("\". It is not a file stored on a disk."), std::string::npos)
                << answer.Result().texts[0];
            EXPECT_EQ(Status(), Identical) << "the status line keeps its text";
        }
    }
    DialogAnswerer answer("File comparing utility", "OK");
    Compare("Z:\\proc\\self\\status", "Z:\\proc\\self\\status");
    answer.Stop();
    EXPECT_TRUE(answer.Result().seen) << "the same /proc file twice is no verdict either";
    EXPECT_EQ(Status(), Identical);
}

}  // namespace
