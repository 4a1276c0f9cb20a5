#include "browser/records/qu.h"

#include "browser/shell/DialogStyle.h"
#include "platform/SkinWidgets.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

// The prompt's 40 × 40 icon: a white question mark on a blue disc.
QImage questionIcon()
{
    QImage icon(40, 40, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x1F, 0x4E, 0x96), 1.5));
    p.setBrush(QColor(0x31, 0x69, 0xC6));
    p.drawEllipse(QRectF(2, 2, 36, 36));
    QFont f;
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, QStringLiteral("?"));
    return icon;
}

} // namespace

TfrmQu::TfrmQu(QWidget *owner)
    : BorderlessDialog(owner)
{
    setStyleSheet(dialogStyleSheet());
    cornerCloseButton()->setToolTip(QStringLiteral("关闭"));
    setDesignSize(300, 130);

    Image1 = new PicturePanel(this, PicturePanel::Mode::Unscaled);
    Image1->setPicture(questionIcon());
    Image1->setGeometry(26, 30, 40, 40);
    Label1 = new QLabel(QStringLiteral("您确定退出岚舟Browser吗？"), this);
    Label1->setGeometry(80, 36, 200, 28);

    bbtnOk = new QPushButton(QStringLiteral("确定"), this);
    bbtnOk->setObjectName(QStringLiteral("bbtnOk"));
    bbtnOk->setGeometry(70, 88, 72, 24);
    bbtnOk->setDefault(true);
    bbtnClose = new QPushButton(QStringLiteral("取消"), this);
    bbtnClose->setObjectName(QStringLiteral("bbtnClose"));
    bbtnClose->setGeometry(158, 88, 72, 24);

    connect(bbtnOk, &QPushButton::clicked, this, &TfrmQu::bbtnOkClick);
    connect(bbtnClose, &QPushButton::clicked, this, &TfrmQu::bbtnCloseClick);
    // The corner button of the prompt does nothing.
}

void TfrmQu::showEvent(QShowEvent *event)
{
    BorderlessDialog::showEvent(event);
    bbtnOk->setFocus();
}

void TfrmQu::bbtnOkClick()
{
    Answer = QStringLiteral("yes");
    accept();
}

void TfrmQu::bbtnCloseClick()
{
    reject();
}

void TfrmQu::reject()
{
    Answer.clear();
    BorderlessDialog::reject();
}
