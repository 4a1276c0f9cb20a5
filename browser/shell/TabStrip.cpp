#include "browser/shell/TabStrip.h"

#include <QMouseEvent>

TabStrip::TabStrip(QWidget *parent)
    : QTabBar(parent)
{
    setDrawBase(false);
    setExpanding(false);
    setElideMode(Qt::ElideNone);
    setUsesScrollButtons(true);
    setMouseTracking(true);
}

void TabStrip::setFixedTabWidth(int width)
{
    if (m_fixedWidth == width)
        return;
    m_fixedWidth = width;
    // Let the bar lay its tabs out again with the new width.
    setElideMode(elideMode());
    updateGeometry();
    update();
}

QSize TabStrip::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(qMax(size.height(), 22));
    if (m_fixedWidth > 0)
        size.setWidth(m_fixedWidth);
    return size;
}

void TabStrip::mouseReleaseEvent(QMouseEvent *event)
{
    QTabBar::mouseReleaseEvent(event);
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0)
        emit clickedActive(index);
}

TabControl::TabControl(QWidget *parent)
    : QTabWidget(parent), m_strip(new TabStrip(this))
{
    setTabBar(m_strip);
    setDocumentMode(false);
}
