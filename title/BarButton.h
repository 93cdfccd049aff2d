#ifndef TRUCEWARD_TITLE_BARBUTTON_H
#define TRUCEWARD_TITLE_BARBUTTON_H

class ButtonListener;
class LabelledButton;
class TextDrawer;

// The wide bar at the foot of the title's panel: ENTER WAR on the title, BACK
// on the screens opened over it. It reacts below its top only (its picture is
// 128 units high), and its glowing focus surrounds the ink from here.
constexpr float kBarInkLeft = 346.0f;
constexpr float kBarInkBottom = 101.0f;

// The bar lettered with `label` (English, translated when drawn), heard by
// `listener`; `text` lends its font and must outlive it. The caller owns it.
LabelledButton* makeBarButton(const char* label, TextDrawer& text, ButtonListener* listener);

#endif
