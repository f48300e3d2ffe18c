#pragma once

#include <QIcon>
#include <QPixmap>

// Tessera's pictures, drawn in code so they stay crisp and consistent: one line weight, one
// outline colour and a small palette shared by every glyph.
namespace artwork {

enum class Glyph {
    Open,
    ClosePage,
    Save,
    FullScreen,
    Print,
    Refresh,
    ToggleSplit,
    NewPage,
    Back,
    Forward,
    Browser,
    Projects,
    Cut,
    Paste,
    Copy,
    Spell,
};

QIcon toolIcon(Glyph glyph);
QPixmap bulb();
QPixmap splashPicture();
QPixmap aboutPicture();

} // namespace artwork
