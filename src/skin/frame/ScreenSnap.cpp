#include "skin/frame/ScreenSnap.h"

#include <cstdlib>

Point SnapToWorkArea(const Rect& window, const Rect& workArea, int buffer)
{
    Point at{window.left, window.top};
    auto near = [buffer](int a, int b) { return std::abs(a - b) < buffer; };
    if (near(window.right, workArea.right))
        at.x = workArea.right - window.Width();
    if (near(window.bottom, workArea.bottom))
        at.y = workArea.bottom - window.Height();
    if (near(window.left, workArea.left))
        at.x = workArea.left;
    if (near(window.top, workArea.top))
        at.y = workArea.top;
    return at;
}
