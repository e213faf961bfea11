// A program linked against zlib's DLL rather than its static archive, as the
// Windows build once was by mistake: the import table test must name its
// zlib1.dll. It is built, never run.
#include <zlib.h>

int main()
{
    return zlibVersion()[0] == '1' ? 0 : 1;
}
