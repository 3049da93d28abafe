#include "sonde.h"

#ifdef _WIN32
#include <system_error>
#include <windows.h>
#endif

namespace quillon {

std::uint8_t sonder_exports(const std::function<bool(const char*)>& exporte)
{
    for (const ExportVersion& e : exports_version) {
        if (exporte(e.nom))
            return e.code;
    }
    return 0;
}

std::uint8_t sonder_windows()
{
#ifdef _WIN32
    HMODULE noyau = GetModuleHandleW(L"kernel32");
    if (noyau == nullptr)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "GetModuleHandle(kernel32)");
    return sonder_exports([noyau](const char* nom) { return GetProcAddress(noyau, nom) != nullptr; });
#else
    // Not Windows: a current system, which has every export looked up.
    return sonder_exports([](const char*) { return true; });
#endif
}

} // namespace quillon
