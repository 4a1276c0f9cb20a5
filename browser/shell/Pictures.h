#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The browser's own pictures: the seven 1024 × 768 backgrounds and the glyphs
// of its buttons.
namespace Pictures {

// The built-in backgrounds, numbered as the stored choice numbers them.
enum Background {
    Designed = -1,
    LightBlue = 0,
    LightYellow = 1,
    Pink = 2,
    FreshGreen = 3,
    LightPurple = 4,
    InkWash = 5,
};

// A 1024 × 768 background; made once, then kept.
QImage background(int which);

// A button glyph drawn at size (the button makes its lit and pressed forms).
QPixmap glyph(const QString &name, QSize size);

} // namespace Pictures
