// Draws the images of the skins "Opus (internal)" and "Opus Dark (internal)":
// Master.bmp (24 bits, the skin's small parts cut by rectangle, fuchsia where
// nothing is drawn) and ButtonHuge.bmp (8 bits, three big button states over
// their mask row). Both skins share every shape and size; the dark palette
// only moves the colours.
// Usage: GenerateSkinImages OUTPUT_FOLDER [dark]
//
// The rectangles below are the ones Options.dat names; keep the two in step.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "gfx/BmpEncoder.h"
#include "SkinPainter.h"

namespace {

// The look: warm light greys, dark grey text, one calm blue for what the
// user points at or has chosen.
const Colour kForm = Rgb(237, 234, 228);       // form client (FORM COLOR)
const Colour kTrack = Rgb(251, 250, 250);      // scroll-bar tracks
const Colour kWhite = Rgb(255, 255, 255);
const Colour kLine = Rgb(166, 161, 154);       // control outlines
const Colour kSoftLine = Rgb(196, 192, 186);   // group and page outlines
const Colour kAccent = Rgb(74, 120, 168);
const Colour kAccentDark = Rgb(52, 92, 136);
const Colour kHotFill = Rgb(232, 239, 247);
const Colour kPressedFill = Rgb(212, 225, 240);
const Colour kGlyph = Rgb(92, 90, 86);

constexpr int kMasterWidth = 320;
constexpr int kMasterHeight = 160;

using FrameDrawer = std::function<void(Layer&, int state)>;

// Frames side by side at (x, y), each w x h, drawn by draw(layer, state).
void KeyedFrames(Image24& master, int x, int y, int w, int h, int count, Colour bg, const FrameDrawer& draw,
                 double threshold = 0.35)
{
    for (int s = 0; s < count; ++s) {
        Layer layer(w, h);
        draw(layer, s);
        PutKeyed(master, x + s * w, y, layer, bg, threshold);
    }
}

void MaskedFrames(Image24& master, int x, int y, int w, int h, int count, const FrameDrawer& draw)
{
    for (int s = 0; s < count; ++s) {
        Layer layer(w, h);
        draw(layer, s);
        PutMasked(master, x + s * w, y, h, layer);
    }
}

// Caption buttons: 18 x 19 frames (normal, hot, pressed) over a mask row.
void CaptionButtons(Image24& master, int x, int y, bool close, const Shape& glyph)
{
    MaskedFrames(master, x, y, 18, 19, 3, [&](Layer& l, int s) {
        if (s > 0) {
            Colour plate = close ? (s == 1 ? Rgb(200, 80, 70) : Rgb(160, 56, 48))
                                 : (s == 1 ? Rgb(214, 221, 231) : Rgb(190, 202, 218));
            l.Fill(RoundRect(1, 1.5, 17, 17.5, 3), Flat(plate));
        }
        if (glyph) {
            Colour ink = s == 0 ? kGlyph : close ? kWhite : Rgb(44, 56, 72);
            l.Fill(glyph, Flat(ink));
        }
    });
}

void DrawCaptionButtons(Image24& m)
{
    CaptionButtons(m, 0, 0, true, Union({Stroke(5.5, 6, 12.5, 13, 1.6), Stroke(12.5, 6, 5.5, 13, 1.6)}));
    CaptionButtons(m, 145, 0, false, RoundRect(5, 11.8, 13, 13.4, 0.4));
    CaptionButtons(m, 199, 0, false,
                   Union({RoundRing(5, 5.5, 13, 13.5, 1, 1.2), RoundRect(5, 5.5, 13, 7.6, 1)}));
    Shape front = Union({RoundRing(4.5, 8, 11, 14.5, 1, 1.2), RoundRect(4.5, 8, 11, 9.8, 1)});
    Shape backBox = RoundRing(7, 5, 13.5, 11.5, 1, 1.2);
    Shape backBar = RoundRect(7, 5, 13.5, 6.8, 1);
    Shape frontArea = RoundRect(3.9, 7.4, 11.6, 15.1, 1);
    CaptionButtons(m, 145, 38, false, [=](double px, double py) {
        return front(px, py) || ((backBox(px, py) || backBar(px, py)) && !frontArea(px, py));
    });
    Shape arc = Ring(9, 7.4, 3.3, 1.5);
    CaptionButtons(m, 199, 38, false,
                   Union({[=](double px, double py) { return arc(px, py) && (py < 7.4 || (px > 9 && py < 9.6)); },
                          Stroke(10.6, 9.9, 9, 11.2, 1.5), Disc(9, 14.2, 1.05)}));
    CaptionButtons(m, 253, 0, false, nullptr);
}

// A rounded top edge for windows, a barely rounded bottom.
Shape WindowShape(double w, double h)
{
    Shape top = RoundRect(0, 0, w, h, 4.5), bottom = RoundRect(0, 0, w, h, 1.5);
    return [=](double x, double y) { return y < h / 2 ? top(x, y) : bottom(x, y); };
}

// FORM: frames inactive, active; 4-pixel border: outline, two frame pixels,
// one client pixel (the window's own frame is 3 pixels wide).
Colour WindowOutline(int state)
{
    return state == 1 ? Rgb(118, 116, 112) : Rgb(172, 168, 162);
}

// Window corners lie over whatever is behind the window: partly covered
// pixels take the outline's colour rather than a guessed background.
void WindowFrames(Image24& m, int x, int y, const FrameDrawer& draw)
{
    for (int s = 0; s < 2; ++s) {
        Layer layer(12, 12);
        draw(layer, s);
        PutKeyed(m, x + s * 12, y, layer, WindowOutline(s), 0.5);
    }
}

void DrawFormBorder(Image24& m)
{
    WindowFrames(m, 54, 0, [](Layer& l, int s) {
        Colour outline = WindowOutline(s);
        Colour frame = s == 1 ? Rgb(225, 221, 214) : Rgb(234, 232, 227);
        l.Fill(WindowShape(12, 12), Flat(outline));
        l.Fill(RoundRect(1, 1, 11, 11, 3.5), Flat(frame));
        // The outline's bottom corners are square, so the frame's are too.
        l.Fill(RoundRect(1, 6, 11, 11, 0), Flat(frame));
        l.Fill(RoundRect(3, 3, 9, 9, 0), Flat(kForm));
    });
}

// FORMTITLE: the caption band's edges over the section's gradient: outline,
// the caption colours, and a separator line under the caption.
void DrawTitleBorder(Image24& m)
{
    WindowFrames(m, 78, 0, [](Layer& l, int s) {
        Colour outline = WindowOutline(s);
        Paint band = s == 1 ? VerticalGradient(1, Rgb(241, 239, 234), 11, Rgb(226, 222, 215))
                            : VerticalGradient(1, Rgb(241, 240, 237), 11, Rgb(235, 233, 229));
        l.Fill(RoundRect(0, 0, 12, 24, 4.5), Flat(outline));
        l.Fill(RoundRect(1, 1, 11, 24, 3.5), band);
        l.Fill(RoundRect(1, 11, 11, 12, 0), Flat(s == 1 ? Rgb(204, 200, 193) : Rgb(218, 215, 210)));
    });
}

// An edit-like 8 x 9 frame with 2-pixel borders: outline, then the fill.
void FieldFrame(Image24& m, int x, int y, Colour outline, Colour inner)
{
    KeyedFrames(m, x, y, 8, 9, 1, kForm, [&](Layer& l, int) {
        l.Fill(RoundRect(0, 0, 8, 9, 2), Flat(outline));
        l.Fill(RoundRect(1, 1, 7, 8, 1), Flat(inner));
    });
}

void DrawFields(Image24& m)
{
    FieldFrame(m, 54, 12, kLine, kWhite);                              // EDIT
    FieldFrame(m, 62, 12, kLine, kWhite);                              // COMBOBOX
    FieldFrame(m, 70, 12, Rgb(184, 176, 150), Rgb(255, 253, 240));     // HINT
    // PANEL_LOW: sunken, darker above and left, light below and right.
    KeyedFrames(m, 78, 12, 8, 9, 1, kForm, [](Layer& l, int) {
        l.Fill(RoundRect(0, 0, 8, 9, 1.5), Flat(kWhite));
        l.Fill(RoundRect(0, 0, 7, 8, 1.5), Flat(Rgb(180, 176, 169)));
        l.Fill(RoundRect(1, 1, 7, 8, 0), Flat(Rgb(231, 228, 222)));
    });
    // PAGECONTROL: a soft outline around the page colour.
    KeyedFrames(m, 86, 12, 9, 9, 1, kForm, [](Layer& l, int) {
        l.Fill(RoundRect(0, 0, 9, 9, 2.5), Flat(Rgb(184, 180, 173)));
        l.Fill(RoundRect(1, 1, 8, 8, 1.5), Flat(Rgb(248, 247, 244)));
    });
    // PROGRESSH, PROGRESSV, GAUGE: the trough.
    KeyedFrames(m, 95, 12, 8, 8, 1, kForm, [](Layer& l, int) {
        l.Fill(RoundRect(0, 0, 8, 8, 2), Flat(Rgb(190, 186, 179)));
        l.Fill(RoundRect(1, 1, 7, 7, 1), Flat(Rgb(248, 247, 245)));
    });
    // STATUSBAR: a line along the top.
    KeyedFrames(m, 99, 21, 6, 6, 1, kForm, [](Layer& l, int) {
        l.Fill(RoundRect(0, 0, 6, 6, 0), Flat(Rgb(230, 227, 221)));
        l.Fill(RoundRect(0, 0, 6, 1, 0), Flat(Rgb(206, 202, 195)));
        l.Fill(RoundRect(0, 1, 6, 2, 0), Flat(kWhite));
    });
}

// Check box frames: normal, hot, pressed; mark draws what is inside.
void CheckBoxes(Image24& m, int x, int y, int size, const std::function<void(Layer&, int)>& mark)
{
    double e = size - 0.5;
    KeyedFrames(m, x, y, size, size, 3, kForm, [&](Layer& l, int s) {
        Colour border = s == 0 ? Rgb(150, 146, 140) : s == 1 ? kAccent : kAccentDark;
        Paint fill = s == 2 ? Flat(kPressedFill)
                            : s == 1 ? VerticalGradient(1, kWhite, e, Rgb(235, 242, 250))
                                     : VerticalGradient(1, kWhite, e, Rgb(240, 238, 234));
        l.Fill(RoundRect(0.5, 0.5, e, e, 2), Flat(border));
        l.Fill(RoundRect(1.5, 1.5, e - 1, e - 1, 1), fill);
        if (mark)
            mark(l, s);
    });
}

void DrawCheckBoxes(Image24& m)
{
    auto check = [](double k) {
        return [k](Layer& l, int) {
            l.Fill(Union({Stroke(3.4 * k, 6.7 * k, 5.5 * k, 8.9 * k, 1.8 * k),
                          Stroke(5.5 * k, 8.9 * k, 9.7 * k, 3.9 * k, 1.8 * k)}),
                   Flat(kAccentDark));
        };
    };
    auto grayed = [](double k) {
        return [k](Layer& l, int) {
            l.Fill(RoundRect(3.5 * k, 3.5 * k, 9.5 * k, 9.5 * k, k), Flat(Rgb(146, 168, 194)));
        };
    };
    CheckBoxes(m, 106, 0, 13, check(1));       // BOXCHECKED
    CheckBoxes(m, 106, 13, 13, nullptr);       // BOXUNCHECKED
    CheckBoxes(m, 106, 26, 13, grayed(1));     // BOXGRAYED
    double k = 11.0 / 13;
    CheckBoxes(m, 106, 91, 11, check(k));      // SMALLCHECKED
    CheckBoxes(m, 106, 102, 11, nullptr);      // SMALLUNCHECKED
    CheckBoxes(m, 106, 113, 11, grayed(k));    // SMALLGRAYED
}

void DrawRadioButtons(Image24& m)
{
    for (int checked = 1; checked >= 0; --checked) {
        MaskedFrames(m, 106, checked ? 39 : 65, 13, 13, 3, [&](Layer& l, int s) {
            Colour border = s == 0 ? Rgb(150, 146, 140) : s == 1 ? kAccent : kAccentDark;
            Paint fill = s == 2 ? Flat(kPressedFill) : VerticalGradient(1, kWhite, 12, Rgb(238, 236, 232));
            l.Fill(Disc(6.5, 6.5, 6.2), Flat(border));
            l.Fill(Disc(6.5, 6.5, 5.2), fill);
            if (checked)
                l.Fill(Disc(6.5, 6.5, 2.7), Flat(kAccentDark));
        });
    }
}

void DrawSmallGlyphs(Image24& m)
{
    // CHECK: a menu check mark over a mask row.
    MaskedFrames(m, 106, 124, 9, 9, 3, [](Layer& l, int s) {
        Colour ink = s == 0 ? Rgb(65, 65, 65) : s == 1 ? kAccentDark : kAccent;
        l.Fill(Union({Stroke(1.6, 4.9, 3.6, 7, 1.6), Stroke(3.6, 7, 7.5, 2.2, 1.6)}), Flat(ink));
    });
    // GRIPIMAGE: six embossed dots in the corner.
    MaskedFrames(m, 133, 124, 12, 12, 1, [](Layer& l, int) {
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (i + j >= 2) {
                    double cx = 3.5 + 3 * i, cy = 3.5 + 3 * j;
                    l.Fill(Disc(cx + 0.8, cy + 0.8, 1.05), Flat(kWhite));
                    l.Fill(Disc(cx, cy, 1.05), Flat(Rgb(158, 153, 146)));
                }
    });
    // GRIPH's PATTERN: one embossed dot per 2 x 2 tile, over its mask row.
    const Rgb24 fuchsia{255, 0, 255};
    m.At(67, 141) = ToPixel(Rgb(158, 153, 146));
    m.At(68, 142) = ToPixel(kWhite);
    m.At(68, 141) = m.At(67, 142) = fuchsia;
    m.At(67, 143) = m.At(68, 144) = Rgb24{0, 0, 0};
    m.At(68, 143) = m.At(67, 144) = Rgb24{255, 255, 255};
}

// A push button frame: outline and a face of a vertical gradient.
void ButtonFrames(Image24& m, int x, int y, int w, int h, double radius)
{
    KeyedFrames(m, x, y, w, h, 3, kForm, [&](Layer& l, int s) {
        Colour border = s == 0 ? Rgb(160, 156, 149) : s == 1 ? Rgb(95, 135, 180) : Rgb(70, 108, 150);
        Colour top = s == 0 ? Rgb(253, 252, 250) : s == 1 ? Rgb(250, 252, 255) : Rgb(212, 224, 239);
        Colour bottom = s == 0 ? Rgb(233, 231, 226) : s == 1 ? Rgb(224, 234, 246) : Rgb(230, 237, 246);
        l.Fill(RoundRect(0.5, 0.5, w - 0.5, h - 0.5, radius), Flat(border));
        l.Fill(RoundRect(1.5, 1.5, w - 1.5, h - 1.5, radius - 1), VerticalGradient(2, top, h - 2, bottom));
    });
}

// A flat button's look when pointed at (frame 1) and pressed (frame 2); frame
// 0 repeats frame 1 and is never drawn (StretchMode bit 2).
void FlatButtonFrames(Image24& m, int x, int y, int size, double radius, Colour bg)
{
    KeyedFrames(m, x, y, size, size, 3, bg, [&](Layer& l, int s) {
        bool pressed = s == 2;
        l.Fill(RoundRect(0.5, 0.5, size - 0.5, size - 0.5, radius),
               Flat(pressed ? Rgb(118, 146, 180) : Rgb(156, 180, 208)));
        l.Fill(RoundRect(1.5, 1.5, size - 1.5, size - 1.5, radius - 1), Flat(pressed ? kPressedFill : kHotFill));
    });
}

void DrawButtons(Image24& m)
{
    ButtonFrames(m, 0, 57, 14, 22, 3.5);               // BUTTON
    FlatButtonFrames(m, 42, 57, 14, 3, kForm);         // SPEEDBUTTON, TOOLBUTTON, COMBOBTN, MENUITEM
    FlatButtonFrames(m, 0, 123, 10, 2.5, kForm);       // SPEEDBUTTON_SMALL
    // COLHEADER: a header cell, a line below and a separator on the right.
    for (int s = 0; s < 3; ++s) {
        Layer l(12, 12);
        Colour top = s == 0 ? kWhite : s == 1 ? Rgb(246, 249, 253) : Rgb(226, 234, 244);
        Colour bottom = s == 0 ? Rgb(240, 238, 234) : s == 1 ? Rgb(232, 239, 247) : Rgb(214, 225, 239);
        l.Fill(RoundRect(0, 0, 12, 12, 0), VerticalGradient(0, top, 12, bottom));
        l.Fill(RoundRect(11, 2, 12, 10, 0), Flat(Rgb(212, 208, 202)));
        l.Fill(RoundRect(0, 11, 12, 12, 0), Flat(Rgb(196, 192, 186)));
        PutOpaque(m, s * 12, 79, l, kWhite);
    }
}

void DrawScrollBars(Image24& m)
{
    // SCROLLBTN*: flat 9 x 9 frames, seen only when pointed at or pressed.
    FlatButtonFrames(m, 54, 21, 9, 2, kTrack);
    // SCROLLSLIDERH and V: a thumb inset by two pixels, normal and active.
    MaskedFrames(m, 81, 21, 9, 9, 2, [](Layer& l, int s) {
        l.Fill(RoundRect(2, 2, 7, 7, 1.6), Flat(s == 0 ? Rgb(188, 184, 178) : Rgb(128, 156, 190)));
        // A flat centre: the thumb's middle is tiled along its length.
        l.Fill(RoundRect(3, 3, 6, 6, 0), Flat(s == 0 ? Rgb(210, 207, 201) : Rgb(172, 192, 216)));
    });
    // Arrows: left, right, up, down in three states each.
    auto arrows = [&](int x, const Shape& shape) {
        KeyedFrames(m, x, 39, 7, 7, 3, kTrack, [&](Layer& l, int s) {
            l.Fill(shape, Flat(s == 0 ? Rgb(128, 124, 118) : s == 1 ? kAccent : kAccentDark));
        });
    };
    arrows(0, Triangle(1.5, 3.5, 5.2, -0.1, 5.2, 7.1));
    arrows(21, Triangle(5.5, 3.5, 1.8, -0.1, 1.8, 7.1));
    arrows(42, Triangle(3.5, 1.5, -0.1, 5.2, 7.1, 5.2));
    arrows(63, Triangle(3.5, 5.5, -0.1, 1.8, 7.1, 1.8));
    // Thumb grips: three short lines across the thumb.
    KeyedFrames(m, 84, 39, 7, 7, 1, Rgb(210, 207, 201), [](Layer& l, int) {
        for (int i = 0; i < 3; ++i)
            l.Fill(RoundRect(1.5 + 1.5 * i, 2, 2.5 + 1.5 * i, 5, 0), Flat(Rgb(150, 146, 140)));
    });
    KeyedFrames(m, 91, 39, 7, 7, 1, Rgb(210, 207, 201), [](Layer& l, int) {
        for (int i = 0; i < 3; ++i)
            l.Fill(RoundRect(2, 1.5 + 1.5 * i, 5, 2.5 + 1.5 * i, 0), Flat(Rgb(150, 146, 140)));
    });
    // Tracks: a line along each edge of the bar.
    for (int s = 0; s < 3; ++s) {
        Colour line = s == 0 ? Rgb(228, 225, 220) : Rgb(212, 209, 203);
        Layer h(6, 6), v(6, 6);
        h.Fill(RoundRect(0, 0, 6, 6, 0), Flat(kTrack));
        h.Fill(Union({RoundRect(0, 0, 6, 1, 0), RoundRect(0, 5, 6, 6, 0)}), Flat(line));
        v.Fill(RoundRect(0, 0, 6, 6, 0), Flat(kTrack));
        v.Fill(Union({RoundRect(0, 0, 1, 6, 0), RoundRect(5, 0, 6, 6, 0)}), Flat(line));
        PutOpaque(m, s * 6, 46, h, kTrack);
        PutOpaque(m, 18 + s * 6, 46, v, kTrack);
    }
    // COMBOBOX's GLYPHMASK: the drop-down arrow.
    KeyedFrames(m, 36, 46, 7, 7, 3, kWhite, [](Layer& l, int s) {
        l.Fill(Triangle(3.5, 5, 0.8, 2.2, 6.2, 2.2), Flat(s == 0 ? Rgb(100, 98, 94) : s == 1 ? kAccent : kAccentDark));
    });
}

// A tab: rounded top, the bottom line where it meets the page (none when
// chosen); written turned for the other edges.
void DrawTabs(Image24& m)
{
    for (int s = 0; s < 3; ++s) {
        Layer l(12, 16);
        Colour border = s == 1 ? Rgb(150, 174, 202) : Rgb(184, 180, 173);
        Paint fill = s == 2 ? Flat(Rgb(248, 247, 244))
                            : s == 1 ? VerticalGradient(1, kWhite, 16, Rgb(234, 241, 249))
                                     : VerticalGradient(1, Rgb(246, 244, 241), 16, Rgb(232, 229, 223));
        l.Fill(RoundRect(0, 0, 12, 20, 3.5), Flat(border));
        l.Fill(RoundRect(1, 1, 11, 20, 2.5), fill);
        if (s != 2)
            l.Fill(RoundRect(0, 15, 12, 16, 0), Flat(Rgb(184, 180, 173)));
        Image24 tab(12, 16);
        PutKeyed(tab, 0, 0, l, kForm);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 12; ++x) {
                Rgb24 p = tab.At(x, y);
                m.At(44 + s * 12 + x, 79 + y) = p;             // TABTOP
                m.At(44 + s * 12 + x, 95 + 15 - y) = p;        // TABBOTTOM
                m.At(s * 16 + y, 111 + 11 - x) = p;            // TABLEFT: the open edge on the right
                m.At(48 + s * 16 + 15 - y, 111 + x) = p;       // TABRIGHT: the open edge on the left
            }
    }
    // GROUPBOX: a soft rounded line over a mask row; the inside stays clear.
    MaskedFrames(m, 36, 79, 8, 9, 1, [](Layer& l, int) {
        l.Fill(RoundRing(0.5, 0.5, 7.5, 8.5, 2.5, 1), Flat(kSoftLine));
    });
}

Image24 DrawMaster()
{
    Image24 master(kMasterWidth, kMasterHeight, Rgb24{255, 0, 255});
    DrawCaptionButtons(master);
    DrawFormBorder(master);
    DrawTitleBorder(master);
    DrawFields(master);
    DrawCheckBoxes(master);
    DrawRadioButtons(master);
    DrawSmallGlyphs(master);
    DrawButtons(master);
    DrawScrollBars(master);
    DrawTabs(master);
    return master;
}

// ButtonHuge.bmp: three 96 x 96 states over their mask row, the face's
// shading kept to the top and bottom 32 rows so that the tiled middle is even.
// Colours are stepped so the whole image fits a 256-colour palette.
Image24 DrawButtonHuge()
{
    Image24 image(288, 192, Rgb24{255, 0, 255});
    auto step = [](Colour c) { return Rgb(int(c.r) / 2 * 2, int(c.g) / 2 * 2, int(c.b) / 2 * 2); };
    for (int s = 0; s < 3; ++s) {
        Colour border = s == 0 ? Rgb(160, 156, 149) : s == 1 ? Rgb(95, 135, 180) : Rgb(70, 108, 150);
        Colour top = s == 0 ? Rgb(253, 252, 250) : s == 1 ? Rgb(250, 252, 255) : Rgb(212, 224, 239);
        Colour middle = s == 0 ? Rgb(243, 241, 237) : s == 1 ? Rgb(237, 243, 250) : Rgb(221, 230, 242);
        Colour bottom = s == 0 ? Rgb(230, 227, 221) : s == 1 ? Rgb(222, 232, 244) : Rgb(230, 237, 246);
        Layer l(96, 96);
        l.Fill(RoundRect(1, 1, 95, 95, 10), Flat(border));
        l.Fill(RoundRect(2.5, 2.5, 93.5, 93.5, 8.5), [=](double, double y) {
            Colour c = y < 32 ? Mix(top, middle, (y - 2) / 30) : y < 64 ? middle : Mix(middle, bottom, (y - 64) / 30);
            return step(c);
        });
        PutMasked(image, s * 96, 0, 96, l);
    }
    // Mask levels stepped by 17 (16 greys) keep the palette small.
    for (int y = 96; y < 192; ++y)
        for (int x = 0; x < 288; ++x) {
            uint8_t v = uint8_t((image.At(x, y).r + 8) / 17 * 17);
            image.At(x, y) = {v, v, v};
        }
    return image;
}

// The dark palette: each colour's lightness turned over onto a dark scale
// (white becomes the darkest surface, the dark text grey a light one) with
// its hue kept (and the blue's saturation), so the one quiet blue stays the
// accent.
// OptionsDark.dat holds the same mapping of the light skin's colours.
Colour DarkTone(Colour c)
{
    double r = c.r / 255, g = c.g / 255, b = c.b / 255;
    double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    double light = (hi + lo) / 2, chroma = hi - lo;
    double darkLight = 0.13 + 0.8 * (1 - light);
    double scale = 0;
    if (chroma > 0) {
        double saturation = chroma / (1 - std::fabs(2 * light - 1));
        // Warm greys keep only a hint of warmth: at low lightness they would turn brown.
        saturation *= std::min(1.0, saturation / 0.4);
        scale = (1 - std::fabs(2 * darkLight - 1)) * saturation / chroma;
    }
    auto channel = [&](double v) { return std::clamp(darkLight + (v - light) * scale, 0.0, 1.0) * 255; };
    return {channel(r), channel(g), channel(b)};
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

}  // namespace

int main(int argc, char** argv)
{
    bool dark = argc == 3 && std::string(argv[2]) == "dark";
    if (argc != 2 && !dark) {
        std::fprintf(stderr, "usage: GenerateSkinImages OUTPUT_FOLDER [dark]\n");
        return 2;
    }
    if (dark)
        SetPixelTone(DarkTone);
    std::string folder = std::string(argv[1]) + "/";
    std::optional<std::vector<uint8_t>> huge = EncodeBmp8(DrawButtonHuge());
    if (!huge) {
        std::fprintf(stderr, "GenerateSkinImages: ButtonHuge.bmp has more than 256 colours\n");
        return 1;
    }
    if (!WriteFile(folder + "Master.bmp", EncodeBmp24(DrawMaster())) || !WriteFile(folder + "ButtonHuge.bmp", *huge)) {
        std::fprintf(stderr, "GenerateSkinImages: cannot write to %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
