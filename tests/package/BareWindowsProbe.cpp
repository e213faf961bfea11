// A program a bare Windows 7 cannot start: it takes zlib from its DLL, as the
// Windows build once did by mistake, and calls what Windows 8 added, which
// mingw-w64's headers declare even for Windows 7. The import table test must
// name both. It is built, never run.
#include <windows.h>
#include <zlib.h>

int main()
{
    FILETIME now;
    GetSystemTimePreciseAsFileTime(&now);
    return zlibVersion()[0] == '1' && now.dwLowDateTime != 1 ? 0 : 1;
}
