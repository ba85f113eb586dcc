#pragma once

class Finestra;

// "Caratteri grandi": while it is on, the fonts of a window grow and shrink with it in the
// same proportion as its controls, and the syllables on tiles and slots take the largest size
// that fits their boxes. While it is off the design's fixed sizes hold; a window whose fonts
// were scaled gets them back.
//
// The menu bar's font changes its height, so it is set before the client area is laid out;
// the controls' fonts are set after the resize pass has scaled them.
void adattaCaratteriBarra(Finestra &finestra);
void adattaCaratteri(Finestra &finestra);
