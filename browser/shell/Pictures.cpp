#include "browser/shell/Pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the browser's static library, whose
// resources must be registered by hand before first use.
static void registerResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done);
}

namespace Pictures {

static QString backgroundFile(int which)
{
    switch (which) {
    case LightBlue: return QStringLiteral(":/backgrounds/lightblue.svg");
    case LightYellow: return QStringLiteral(":/backgrounds/lightyellow.svg");
    case Pink: return QStringLiteral(":/backgrounds/pink.svg");
    case FreshGreen: return QStringLiteral(":/backgrounds/freshgreen.svg");
    case LightPurple: return QStringLiteral(":/backgrounds/lightpurple.svg");
    case InkWash: return QStringLiteral(":/backgrounds/inkwash.svg");
    default: return QStringLiteral(":/backgrounds/designed.svg");
    }
}

QImage background(int which)
{
    static QHash<int, QImage> made;
    const int key = (which >= LightBlue && which <= InkWash) ? which : Designed;
    auto it = made.constFind(key);
    if (it != made.constEnd())
        return *it;
    registerResources();
    QImage image(1024, 768, QImage::Format_RGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer(backgroundFile(key));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(0, 0, 1024, 768));
    p.end();
    made.insert(key, image);
    return image;
}

QPixmap glyph(const QString &name, QSize size)
{
    registerResources();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/glyphs/%1.svg").arg(name));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return pixmap;
}

} // namespace Pictures
