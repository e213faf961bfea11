#pragma once
// Putting a skinned parent's cache on the screen around its children, so that
// no child is painted over by its parent's look before it paints itself.

#include <windows.h>

#include "gfx/Geometry.h"

class TControl;
class TWinControl;
class TsCommonData;

// Paints one windowless child of a parent over the piece of the parent's
// cache it stands on (the cache point of the parent's client origin is
// cacheOrigin), composed off screen and put on dc, in the parent's client
// coordinates, in one copy: the parent's look never shows alone where the
// child is.
void PaintChildOverCache(TControl* child, TsCommonData& parentBinding, Point cacheOrigin, HDC dc);

// The same for every visible windowless child of parent that meets dc's clip,
// in z-order.
void PaintGraphicChildrenOverCache(TWinControl* parent, TsCommonData& parentBinding, Point cacheOrigin, HDC dc);

// The copy for a window that is no control (a dialog): the destRect-sized
// block at srcPoint of the binding's cache goes to destRect of dc, with every
// visible child window clipped out, except that of a group box (a button
// window of group style without a client edge) only the caption band (its
// scQueryCaptionHeight answer, at least the border's top) and the border
// widths of the skin's GROUPBOX section are: its inside shows the window's
// look.
void CopyCacheToWindowDC(HWND window, TsCommonData& binding, Point srcPoint, HDC dc, const Rect& destRect);
