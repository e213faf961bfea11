#pragma once
// TacBaseWnd: the layer between the scroll bars and the adapters of
// controls with a frame of their own (the edit adapter): a size change or a
// scroll message makes the bars read their state again and repaint, and a
// change of the enabled state repaints the frame.

#include "skin/scroll/acScrollWnd.h"

class TacBaseWnd : public TacScrollWnd {
public:
    using TacScrollWnd::TacScrollWnd;
    void WndProc(TMessage& m) override;

protected:
    void RepaintFrame();
};
