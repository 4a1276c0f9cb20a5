#include "browser/shell/FindBar.h"

#include "platform/WebBrowser.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>

FindBar::FindBar(WebBrowser *browser)
    : QFrame(browser), m_browser(browser)
{
    setObjectName(QStringLiteral("FindBar"));
    setAutoFillBackground(true);
    setFrameShape(QFrame::StyledPanel);
    setStyleSheet(QStringLiteral("FindBar { background: #F2F2F2; border: 1px solid #7F9DB9; border-radius: 3px; }"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QStringLiteral("查找:"), this));
    m_edit = new QLineEdit(this);
    m_edit->setMinimumWidth(160);
    layout->addWidget(m_edit);
    auto button = [this, layout](const QString &caption, const QString &hint) {
        auto *b = new QToolButton(this);
        b->setText(caption);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        layout->addWidget(b);
        return b;
    };
    QToolButton *previous = button(QStringLiteral("上一个"), QStringLiteral("查找上一个 (Shift+Enter)"));
    QToolButton *next = button(QStringLiteral("下一个"), QStringLiteral("查找下一个 (Enter)"));
    m_case = new QCheckBox(QStringLiteral("区分大小写"), this);
    layout->addWidget(m_case);
    m_result = new QLabel(this);
    m_result->setMinimumWidth(110);
    layout->addWidget(m_result);
    QToolButton *close = button(QStringLiteral("×"), QStringLiteral("关闭"));

    connect(m_edit, &QLineEdit::textEdited, this, [this] { find(false); });
    connect(m_edit, &QLineEdit::returnPressed, this, &FindBar::findNext);
    connect(next, &QToolButton::clicked, this, &FindBar::findNext);
    connect(previous, &QToolButton::clicked, this, &FindBar::findPrevious);
    connect(m_case, &QCheckBox::toggled, this, [this] { find(false); });
    connect(close, &QToolButton::clicked, this, &FindBar::closeBar);

    browser->installEventFilter(this);
    m_edit->installEventFilter(this);
    hide();
}

FindBar *FindBar::open(WebBrowser *browser)
{
    FindBar *bar = browser->findChild<FindBar *>(QString(), Qt::FindDirectChildrenOnly);
    if (!bar)
        bar = new FindBar(browser);
    bar->place();
    bar->show();
    bar->raise();
    bar->m_edit->setFocus();
    bar->m_edit->selectAll();
    return bar;
}

void FindBar::setText(const QString &text)
{
    m_edit->setText(text);
}

QString FindBar::text() const
{
    return m_edit->text();
}

void FindBar::setMatchCase(bool on)
{
    m_case->setChecked(on);
}

void FindBar::findNext()
{
    find(false);
}

void FindBar::findPrevious()
{
    find(true);
}

void FindBar::closeBar()
{
    ++m_request;
    if (m_browser)
        m_browser->page()->findText(QString()); // clears the highlights
    m_matches = -1;
    m_result->clear();
    hide();
    if (m_browser)
        m_browser->setFocus();
}

QString FindBar::resultText() const
{
    return m_result->text();
}

void FindBar::find(bool backward)
{
    if (!m_browser)
        return;
    const QString wanted = m_edit->text();
    // An answer to an older search, or one arriving after the tab closed,
    // is dropped.
    const int request = ++m_request;
    if (wanted.isEmpty()) {
        m_browser->page()->findText(QString());
        m_matches = -1;
        m_result->clear();
        return;
    }
    QWebEnginePage::FindFlags flags;
    if (backward)
        flags |= QWebEnginePage::FindBackward;
    if (m_case->isChecked())
        flags |= QWebEnginePage::FindCaseSensitively;
    QPointer<FindBar> self(this);
    m_browser->page()->findText(wanted, flags, [self, request](const QWebEngineFindTextResult &result) {
        if (!self || request != self->m_request)
            return;
        self->m_matches = result.numberOfMatches();
        self->m_active = result.activeMatch();
        self->m_result->setText(self->m_matches > 0
                                    ? QStringLiteral("第 %1 个，共 %2 个").arg(self->m_active).arg(self->m_matches)
                                    : QStringLiteral("找不到"));
        emit self->found(self->m_matches, self->m_active);
    });
}

void FindBar::place()
{
    if (!m_browser)
        return;
    adjustSize();
    const int w = qMin(sizeHint().width(), m_browser->width());
    setGeometry(m_browser->width() - w - 20, 0, w, sizeHint().height());
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_browser && event->type() == QEvent::Resize)
        place();
    // Shift+Enter in the edit field finds the previous match.
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & Qt::ShiftModifier)) {
            findPrevious();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        closeBar();
        return;
    }
    QFrame::keyPressEvent(event);
}
