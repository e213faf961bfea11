#include "core/LaterWindowsCalls.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr std::string_view Windows8 = "Windows 8";
constexpr std::string_view Windows81 = "Windows 8.1";
constexpr std::string_view Windows10 = "Windows 10";
constexpr std::string_view Windows11 = "Windows 11";

// Each with the version its documentation names as the oldest. The DLL
// directory calls reached Windows 7 only through an update a bare system
// lacks, so they count as Windows 8's.
constexpr std::pair<std::string_view, std::string_view> LaterCalls[] = {
    // kernel32
    {"AddDllDirectory", Windows8}, {"CopyFile2", Windows8}, {"CreateFile2", Windows8},
    {"DeleteSynchronizationBarrier", Windows8},
    {"EnterSynchronizationBarrier", Windows8}, {"GetCurrentPackageFullName", Windows8},
    {"GetCurrentPackageId", Windows8}, {"GetCurrentThreadStackLimits", Windows8},
    {"GetFirmwareType", Windows8}, {"GetOverlappedResultEx", Windows8},
    {"GetProcessMitigationPolicy", Windows8}, {"GetSystemTimePreciseAsFileTime", Windows8},
    {"InitializeSynchronizationBarrier", Windows8},
    {"PrefetchVirtualMemory", Windows8}, {"RemoveDllDirectory", Windows8},
    {"SetDefaultDllDirectories", Windows8}, {"SetProcessMitigationPolicy", Windows8},
    {"DiscardVirtualMemory", Windows81}, {"OfferVirtualMemory", Windows81},
    {"ReclaimVirtualMemory", Windows81}, {"CreatePseudoConsole", Windows10},
    {"GetSystemCpuSetInformation", Windows10}, {"GetThreadDescription", Windows10},
    {"IsWow64Process2", Windows10}, {"MapViewOfFile3", Windows10},
    {"SetThreadDescription", Windows10}, {"SetThreadSelectedCpuSets", Windows10},
    {"VirtualAlloc2", Windows10}, {"GetTempPath2A", Windows11}, {"GetTempPath2W", Windows11},
    // user32
    {"EnableMouseInPointer", Windows8}, {"GetCurrentInputMessageSource", Windows8},
    {"GetDisplayAutoRotationPreferences", Windows8}, {"GetPointerDevices", Windows8},
    {"GetPointerFrameInfo", Windows8}, {"GetPointerInfo", Windows8}, {"GetPointerType", Windows8},
    {"GetWindowFeedbackSetting", Windows8}, {"InjectTouchInput", Windows8},
    {"IsImmersiveProcess", Windows8}, {"SetDisplayAutoRotationPreferences", Windows8},
    {"SetWindowFeedbackSetting", Windows8}, {"SkipPointerFrameMessages", Windows8},
    {"LogicalToPhysicalPointForPerMonitorDPI", Windows81},
    {"PhysicalToLogicalPointForPerMonitorDPI", Windows81},
    {"AdjustWindowRectExForDpi", Windows10}, {"AreDpiAwarenessContextsEqual", Windows10},
    {"EnableNonClientDpiScaling", Windows10}, {"GetAwarenessFromDpiAwarenessContext", Windows10},
    {"GetDpiForSystem", Windows10}, {"GetDpiForWindow", Windows10},
    {"GetDpiFromDpiAwarenessContext", Windows10}, {"GetSystemDpiForProcess", Windows10},
    {"GetSystemMetricsForDpi", Windows10}, {"GetThreadDpiAwarenessContext", Windows10},
    {"GetWindowDpiAwarenessContext", Windows10}, {"IsValidDpiAwarenessContext", Windows10},
    {"SetProcessDpiAwarenessContext", Windows10}, {"SetThreadDpiAwarenessContext", Windows10},
    {"SystemParametersInfoForDpi", Windows10},
};

}  // namespace

std::string_view WindowsVersionThatAdded(std::string_view call)
{
    auto found = std::find_if(std::begin(LaterCalls), std::end(LaterCalls),
                              [call](const auto& entry) { return entry.first == call; });
    return found == std::end(LaterCalls) ? std::string_view() : found->second;
}
