#include "app/MappedCompare.h"

#include <windows.h>

#include "app/ByteCompare.h"
#include "core/Exceptions.h"

// A page past the end of a shrunk file raises SIGBUS, which Wine reports as an
// access violation (measured under Wine 8: code 0xC0000005 at the first page
// past the new end); Windows reports a failed page-in as an in-page error.
// GCC offers no __try, so a vectored handler takes the fault when it lies in
// one of the two views, and resumes the thread in a routine that jumps back
// to the comparison's landing point.

namespace {

struct FaultLanding {
    DWORD thread;
    const std::uint8_t* first;
    const std::uint8_t* second;
    std::size_t size;
    void* jumpBuffer[5];  // the layout __builtin_setjmp needs
};

FaultLanding* activeLanding = nullptr;

bool InView(const std::uint8_t* view, std::size_t size, ULONG_PTR address)
{
    const auto begin = reinterpret_cast<ULONG_PTR>(view);
    return address >= begin && address - begin < size;
}

bool IsLandingFault(const FaultLanding& landing, const EXCEPTION_RECORD& record)
{
    if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION
        && record.ExceptionCode != EXCEPTION_IN_PAGE_ERROR)
        return false;
    if (record.NumberParameters < 2 || landing.thread != GetCurrentThreadId())
        return false;
    const ULONG_PTR address = record.ExceptionInformation[1];
    return InView(landing.first, landing.size, address)
        || InView(landing.second, landing.size, address);
}

[[noreturn]] void JumpToLanding()
{
    __builtin_longjmp(activeLanding->jumpBuffer, 1);
}

LONG CALLBACK OnFault(EXCEPTION_POINTERS* info)
{
    if (!activeLanding || !IsLandingFault(*activeLanding, *info->ExceptionRecord))
        return EXCEPTION_CONTINUE_SEARCH;
    // Resume in JumpToLanding as though the faulting code had called it: on
    // the same stack, below what that code uses, aligned as after a call.
    CONTEXT& context = *info->ContextRecord;
    context.Rsp = ((context.Rsp - 128) & ~DWORD64(15)) - 8;
    context.Rip = reinterpret_cast<DWORD64>(&JumpToLanding);
    return EXCEPTION_CONTINUE_EXECUTION;
}

// Routes faults in the two views to `landing` for the life of the scope.
class FaultRoute {
public:
    explicit FaultRoute(FaultLanding& landing)
        : previous_(activeLanding), handler_(AddVectoredExceptionHandler(1, OnFault))
    {
        if (!handler_)
            throw EOutOfMemory();
        activeLanding = &landing;
    }
    FaultRoute(const FaultRoute&) = delete;
    FaultRoute& operator=(const FaultRoute&) = delete;
    ~FaultRoute()
    {
        RemoveVectoredExceptionHandler(handler_);
        activeLanding = previous_;
    }

private:
    FaultLanding* previous_;
    void* handler_;
};

}  // namespace

bool MappedBytesEqual(const std::uint8_t* first, const std::uint8_t* second, std::size_t size)
{
    FaultLanding landing{GetCurrentThreadId(), first, second, size, {}};
    FaultRoute route(landing);
    // Nothing between here and the end of BytesEqual owns a resource, so
    // jumping back skips no clean-up.
    if (__builtin_setjmp(landing.jumpBuffer) != 0)
        throw EReadError();
    return BytesEqual(first, second, size);
}
