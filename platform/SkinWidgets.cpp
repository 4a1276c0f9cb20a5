#include "platform/SkinWidgets.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

PicturePanel::PicturePanel(QWidget *parent, Mode mode)
    : QWidget(parent), m_mode(mode)
{
}

void PicturePanel::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PicturePanel::setMode(Mode mode)
{
    m_mode = mode;
    update();
}

void PicturePanel::setText(const QString &text)
{
    m_text = text;
    update();
}

void PicturePanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_picture.isNull()) {
        if (m_mode == Mode::Stretch)
            p.drawImage(rect(), m_picture);
        else
            p.drawImage(QPoint(0, 0), m_picture);
    }
    if (!m_text.isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, m_text);
    }
}

void PicturePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

static QPixmap tinted(const QPixmap &source, const QColor &colour, qreal strength)
{
    if (source.isNull())
        return source;
    QPixmap out = source;
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor c = colour;
    c.setAlphaF(strength);
    p.fillRect(out.rect(), c);
    return out;
}

SkinButton::SkinButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void SkinButton::setGlyph(const QPixmap &glyph)
{
    setPictures(glyph, tinted(glyph, Qt::white, 0.35), tinted(glyph, Qt::black, 0.3));
}

void SkinButton::setPictures(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed)
{
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    update();
}

QSize SkinButton::sizeHint() const
{
    QSize s = m_normal.isNull() ? QSize(0, 0) : m_normal.deviceIndependentSize().toSize();
    if (!text().isEmpty())
        s.rwidth() += fontMetrics().horizontalAdvance(text()) + 6;
    return s.expandedTo(QSize(16, 16));
}

void SkinButton::enterEvent(QEnterEvent *)
{
    m_hovered = true;
    update();
}

void SkinButton::leaveEvent(QEvent *)
{
    m_hovered = false;
    update();
}

void SkinButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap &pic = isDown() ? m_pressed : (m_hovered ? m_hover : m_normal);
    const bool hasText = !text().isEmpty();

    if (m_frameOnHover && (m_hovered || isDown()) && !hasText && m_normal.isNull()) {
        p.setPen(QColor(0x31, 0x69, 0xC6));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasText && m_frameOnHover && (m_hovered || isDown())) {
        p.setPen(QColor(0x31, 0x69, 0xC6));
        p.setBrush(QColor(255, 255, 255, isDown() ? 120 : 70));
        p.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 3, 3);
    }

    QRect textRect = rect();
    if (!pic.isNull()) {
        const QSize ps = pic.deviceIndependentSize().toSize().boundedTo(size());
        QRect pr(QPoint(0, 0), ps);
        if (!hasText)
            pr.moveCenter(rect().center());
        else if (m_glyphRight) {
            pr.moveTopRight(QPoint(width() - 4, (height() - ps.height()) / 2));
            textRect.setRight(pr.left() - 2);
        } else {
            pr.moveTopLeft(QPoint(4, (height() - ps.height()) / 2));
            textRect.setLeft(pr.right() + 2);
        }
        p.drawPixmap(pr, pic);
    }
    if (hasText) {
        p.setPen(isEnabled() ? m_textColor : QColor(Qt::gray));
        p.setFont(font());
        p.drawText(textRect, Qt::AlignCenter, text());
    }
}

void styleMenu(QMenu *menu, const MenuColours &c)
{
    menu->setStyleSheet(QStringLiteral(
        "QMenu { background: white; color: black; border: 1px solid black; padding: 1px; }"
        "QMenu::item { height: 21px; padding: 0px 24px 0px 32px; margin: 0px;"
        "  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 white, stop:0.999 white);"
        "  border: 1px solid transparent; }"
        "QMenu::item:selected { color: %1;"
        "  background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %2, stop:1 %3);"
        "  border: 1px solid %4; }"
        "QMenu::item:disabled { color: #848284; }"
        "QMenu::separator { height: 1px; background: #848284; margin: 2px 0px 2px 26px; }"
        "QMenu::indicator { width: 14px; height: 14px; left: 6px; }")
        .arg(c.selectedText.name(), c.selectedBackground.name(), c.selectedBackgroundEnd.name(),
             c.selectedBorder.name()));
}
