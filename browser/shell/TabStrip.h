#pragma once

#include <QTabBar>
#include <QTabWidget>

// The tab strip of the main window: white, rounded tabs; blue text on the
// selected tab, grey on the others, navy under the mouse; a fixed tab width
// once one is set.
class TabStrip : public QTabBar
{
    Q_OBJECT
public:
    explicit TabStrip(QWidget *parent = nullptr);

    void setFixedTabWidth(int width);
    int fixedTabWidth() const { return m_fixedWidth; }

signals:
    // A tab was clicked, after the click made it the active one.
    void clickedActive(int index);

protected:
    QSize tabSizeHint(int index) const override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_fixedWidth = 0;
};

// A tab control whose strip is a TabStrip.
class TabControl : public QTabWidget
{
    Q_OBJECT
public:
    explicit TabControl(QWidget *parent = nullptr);
    TabStrip *strip() const { return m_strip; }

private:
    TabStrip *m_strip;
};
