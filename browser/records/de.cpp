#include "browser/records/de.h"

#include "browser/shell/DialogStyle.h"
#include "platform/SkinWidgets.h"

#include <QLabel>
#include <QPushButton>

TfrmDe::TfrmDe(QWidget *owner)
    : BorderlessDialog(owner)
{
    setStyleSheet(dialogStyleSheet());
    cornerCloseButton()->setToolTip(QStringLiteral("关闭"));
    setDesignSize(330, 130);

    Label1 = new QLabel(QStringLiteral("您确定清空所有记录吗？'是'保留常用网址,'否'不保留,请确认!"), this);
    Label1->setWordWrap(true);
    Label1->setGeometry(24, 28, 282, 44);

    auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 88, 64, 24);
        return b;
    };
    bbtnOk = button("bbtnOk", QStringLiteral("是"), 47);
    SpeedButton1 = button("SpeedButton1", QStringLiteral("否"), 133);
    bbtnClose = button("bbtnClose", QStringLiteral("取消"), 219);
    bbtnOk->setDefault(true);

    connect(bbtnOk, &QPushButton::clicked, this, &TfrmDe::bbtnOkClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TfrmDe::SpeedButton1Click);
    connect(bbtnClose, &QPushButton::clicked, this, &TfrmDe::bbtnCloseClick);
    // The corner button of this dialog does nothing: only the three answers close it.
}

void TfrmDe::bbtnOkClick()
{
    Answer = QStringLiteral("yes");
    accept();
}

void TfrmDe::SpeedButton1Click()
{
    Answer = QStringLiteral("no");
    accept();
}

void TfrmDe::bbtnCloseClick()
{
    reject();
}

void TfrmDe::reject()
{
    Answer.clear();
    BorderlessDialog::reject();
}
