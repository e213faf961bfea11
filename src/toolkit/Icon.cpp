#include "toolkit/Icon.h"

namespace {
HICON LoadIconAt(HINSTANCE instance, const char* name, int width, int height)
{
    return static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}
}  // namespace

bool TIcon::LoadFromResourceName(HINSTANCE instance, const char* name)
{
    large_.Reset(LoadIconAt(instance, name, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
    small_.Reset(LoadIconAt(instance, name, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
    return !Empty();
}
