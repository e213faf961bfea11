// The skin manager's load boundary: whatever fails while a skin loads, an
// allocation included, leaves the skin unloaded and the program running.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <new>

#include "skin/model/SkinTestPackages.h"
#include "skin/engine/sSkinManager.h"

namespace {

// While set, every allocation of at least this many bytes fails, as when the
// memory is exhausted; the program's own allocations go through here.
std::size_t failingAllocationSize = SIZE_MAX;

class AllocationsFailFrom {
public:
    explicit AllocationsFailFrom(std::size_t size) { failingAllocationSize = size; }
    ~AllocationsFailFrom() { failingAllocationSize = SIZE_MAX; }
};

}  // namespace

// The replacements below allocate with malloc and free with free, as a pair;
// the compiler sees only the free of what operator new returned.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size)
{
    if (size >= failingAllocationSize)
        throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return ::operator new(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

// Only the project's own exception type was caught: an allocation failure
// while the skin loaded at start-up ended the program.
TEST(SkinManagerLoad, ALoadThatRunsOutOfMemoryLeavesTheSkinUnloaded)
{
    TsSkinManager manager(nullptr);
    TsStoredSkin skin;
    skin.Name = "Opus (internal)";
    skin.Data = InternalSkinPackage();
    manager.InternalSkins().push_back(skin);
    {
        AllocationsFailFrom fail(20000);  // the package's members and images are larger
        manager.SetSkinName("Opus (internal)");
    }
    EXPECT_FALSE(manager.Model().IsLoaded());
    EXPECT_TRUE(manager.Model().Sections().empty());
    EXPECT_EQ(manager.SkinInfo(), "N/A");
    EXPECT_EQ(manager.LoadError(), "Out of memory");

    EXPECT_FALSE(manager.Active());
    manager.SetActive(true);
    EXPECT_EQ(manager.SkinInfo(), "5.41") << "the next load, with memory, succeeds";
    EXPECT_EQ(manager.LoadError(), "");
}
