#pragma once

#include <QFrame>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class WebBrowser;

// The find bar of a page: a small bar over the page's top right corner with
// the text to find, next, previous, match case, and the number of matches or
// "找不到". One per browser control; Esc or its close button hides it and
// clears the highlights.
class FindBar : public QFrame
{
    Q_OBJECT
public:
    explicit FindBar(WebBrowser *browser);

    // The bar of browser, made on first use, shown and focused.
    static FindBar *open(WebBrowser *browser);

    void setText(const QString &text);
    QString text() const;
    void setMatchCase(bool on);
    // Finds the text forward (next) or backward (previous).
    void findNext();
    void findPrevious();
    void closeBar();

    // The last answer: matches in the page (0: none) and the active one (1-based).
    int matches() const { return m_matches; }
    int activeMatch() const { return m_active; }
    QString resultText() const;

signals:
    // The page answered the latest search.
    void found(int matches, int active);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void find(bool backward);
    void place();

    QPointer<WebBrowser> m_browser;
    QLineEdit *m_edit;
    QCheckBox *m_case;
    QLabel *m_result;
    int m_request = 0;
    int m_matches = -1;
    int m_active = 0;
};
