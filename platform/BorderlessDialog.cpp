#include "platform/BorderlessDialog.h"

#include "platform/SkinWidgets.h"
#include "platform/WindowHelpers.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

QPixmap closeGlyph(const QColor &fill)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(fill.darker(150));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 5), QPointF(11, 11));
    p.drawLine(QPointF(11, 5), QPointF(5, 11));
    return pm;
}

} // namespace

BorderlessDialog::BorderlessDialog(QWidget *owner, Centre centre)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_centre(centre)
{
    imgP = new PicturePanel(this, PicturePanel::Mode::Stretch);
    imgP->lower();
    WindowHelpers::enableDragMove(imgP, this);

    m_close = new SkinButton(this);
    m_close->setPictures(closeGlyph(QColor(0xD9, 0x53, 0x4F)), closeGlyph(QColor(0xE8, 0x70, 0x6C)),
                         closeGlyph(QColor(0xA9, 0x33, 0x2F)));
    m_close->resize(16, 16);
    setAutoFillBackground(true);
}

void BorderlessDialog::setBackgroundPicture(const QImage &picture)
{
    imgP->setPicture(picture);
}

void BorderlessDialog::addDragHandle(QWidget *handle)
{
    WindowHelpers::enableDragMove(handle, this);
}

void BorderlessDialog::setDesignSize(int width, int height)
{
    resize(width, height);
}

void BorderlessDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    WindowHelpers::setRoundedRegion(this, 10);
    QRect area;
    if (m_centre == Centre::OnOwner && parentWidget() && parentWidget()->isVisible())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    m_close->raise();
}

void BorderlessDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    imgP->setGeometry(rect());
    m_close->move(width() - 16 - 5, 5);
    if (isVisible())
        WindowHelpers::setRoundedRegion(this, 10);
}
