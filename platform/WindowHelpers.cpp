#include "platform/WindowHelpers.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <QPointer>
#include <QRegion>
#include <QWindow>

namespace WindowHelpers {

void setRoundedRegion(QWidget *window, int ellipse)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, window->width(), window->height()), ellipse / 2.0, ellipse / 2.0);
    window->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

namespace {

// Moves the window while a button is held on the handle. The window system's
// move is asked for first; where it has none (no window manager), the window
// follows the mouse by hand.
class DragMover : public QObject
{
public:
    DragMover(QWidget *handle, QWidget *window, std::function<bool()> allowed)
        : QObject(handle), m_window(window), m_allowed(std::move(allowed))
    {
        handle->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (!m_window)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (m_allowed && !m_allowed())
                return false;
            auto *e = static_cast<QMouseEvent *>(event);
            m_byHand = false;
            if (QWindow *w = m_window->window()->windowHandle(); w && w->startSystemMove())
                return true;
            m_byHand = true;
            m_offset = e->globalPosition().toPoint() - m_window->window()->frameGeometry().topLeft();
            return true;
        }
        case QEvent::MouseMove:
            if (m_byHand) {
                auto *e = static_cast<QMouseEvent *>(event);
                m_window->window()->move(e->globalPosition().toPoint() - m_offset);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (m_byHand) {
                m_byHand = false;
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    QPointer<QWidget> m_window;
    std::function<bool()> m_allowed;
    bool m_byHand = false;
    QPoint m_offset;
};

} // namespace

void enableDragMove(QWidget *handle, QWidget *window, std::function<bool()> allowed)
{
    new DragMover(handle, window, std::move(allowed));
}

} // namespace WindowHelpers
