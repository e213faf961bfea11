#pragma once
// TPanel: a container window with an optional caption and two bevels.

#include "toolkit/Labels.h"
#include "toolkit/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* owner);
    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value) { bevelInner_ = value; Invalidate(); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value) { bevelOuter_ = value; Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value) { bevelWidth_ = value; Invalidate(); }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { alignment_ = value; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    int bevelWidth_ = 1;
    TAlignment alignment_ = TAlignment::taCenter;
};

// Draws a bevel of the given width inside r and shrinks r by it.
void Frame3D(TCanvas& canvas, Rect& r, TColor topLeft, TColor bottomRight, int width);
