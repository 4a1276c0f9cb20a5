#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

class QMenu;

// A panel that draws a picture, stretched over the panel or unscaled from its
// top-left corner. Without a picture it is transparent and shows its parent.
class PicturePanel : public QWidget
{
    Q_OBJECT
public:
    enum class Mode { Stretch, Unscaled };

    explicit PicturePanel(QWidget *parent = nullptr, Mode mode = Mode::Stretch);

    void setPicture(const QImage &picture);
    QImage picture() const { return m_picture; }
    void setMode(Mode mode);
    // Text drawn centred over the picture (the mark of a chosen swatch).
    void setText(const QString &text);
    QString text() const { return m_text; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    Mode m_mode;
    QString m_text;
};

// A flat button drawn from pictures: normal, mouse-over and pressed, with an
// optional caption and a glyph beside or instead of it.
class SkinButton : public QAbstractButton
{
    Q_OBJECT
public:
    explicit SkinButton(QWidget *parent = nullptr);

    // Three pictures made from one glyph: the glyph as is, lit and darkened.
    void setGlyph(const QPixmap &glyph);
    void setPictures(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed);
    // Where the glyph stands when there is a caption too.
    void setGlyphOnRight(bool right) { m_glyphRight = right; update(); }
    void setTextColor(const QColor &color) { m_textColor = color; update(); }
    void setFrameOnHover(bool on) { m_frameOnHover = on; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
    void enterEvent(QEnterEvent *) override;
    void leaveEvent(QEvent *) override;

private:
    QPixmap m_normal, m_hover, m_pressed;
    bool m_hovered = false;
    bool m_glyphRight = false;
    bool m_frameOnHover = true;
    QColor m_textColor = Qt::black;
};

// Colours of an owner-drawn pop-up menu.
struct MenuColours {
    QColor selectedText;
    QColor selectedBackground;     // a gradient from this colour ...
    QColor selectedBackgroundEnd;  // ... to this one
    QColor selectedBorder;
};

// White menu, black text and border, a 26-pixel white side bar, 21-pixel
// items, 5-pixel separators; the selected item in the given colours.
void styleMenu(QMenu *menu, const MenuColours &colours);
