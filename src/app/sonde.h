#pragma once
// The Windows version probe: which of ten kernel32 exports exist tells the
// version. The only question the program asks of the answer is whether it
// is 14 (Windows Vista or later).
#include <array>
#include <cstdint>
#include <functional>

namespace quillon {

struct ExportVersion {
    const char* nom;     // export looked up, exactly as written
    std::uint8_t code;   // version code
    const char* systeme; // the version's name
};

inline constexpr std::uint8_t version_vista = 14;

// The exports in the order they are looked up; the first one found gives the code.
inline constexpr std::array<ExportVersion, 10> exports_version{{
    {"GetLocaleInfoEx", 14, "Windows Vista/7"},
    {"GetLargePageMinimum", 13, "Windows Server 2003"},
    {"GetNativeSystemInfo", 11, "Windows XP"},
    {"ReplaceFile", 10, "Windows 2000"},
    {"OpenThread", 6, "Windows Me"},
    {"GetThreadPriorityBoost", 9, "Windows NT 4"},
    {"IsDebuggerPresent", 4, "Windows 98"},
    {"GetDiskFreeSpaceEx", 3, "Windows 95 OSR 2"},
    {"ConnectNamedPipe", 8, "Windows NT 3.5"},
    {"Beep", 2, "Windows 95"},
}};

// The code given by the first export that `exporte` reports as present;
// 0 when none is (no system the program runs on lacks "Beep").
std::uint8_t sonder_exports(const std::function<bool(const char*)>& exporte);

// The version code of this system. On Windows it asks the loaded kernel32
// (a missing kernel32 throws std::system_error); elsewhere the system is a
// current one, which has them all: the answer is 14.
std::uint8_t sonder_windows();

} // namespace quillon
