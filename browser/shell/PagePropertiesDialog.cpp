#include "browser/shell/PagePropertiesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

PagePropertiesDialog::PagePropertiesDialog(QWidget *owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("属性"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);
    layout->addWidget(buttons);

    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("title"), QStringLiteral("标题：")},
        {QStringLiteral("address"), QStringLiteral("地址：")},
        {QStringLiteral("protocol"), QStringLiteral("协议：")},
        {QStringLiteral("type"), QStringLiteral("类型：")},
        {QStringLiteral("encoding"), QStringLiteral("编码：")},
        {QStringLiteral("size"), QStringLiteral("大小：")},
        {QStringLiteral("modified"), QStringLiteral("修改日期：")},
    };
    for (const auto &f : fields) {
        auto *value = new QLabel(this);
        value->setObjectName(f.first);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        value->setMinimumWidth(320);
        form->addRow(f.second, value);
    }
}

void PagePropertiesDialog::setProperties(const WebPageProperties &p)
{
    const QString unknown = QStringLiteral("不可用");
    auto set = [this, &unknown](const QString &name, const QString &text) {
        if (QLabel *l = findChild<QLabel *>(name))
            l->setText(text.isEmpty() ? unknown : text);
    };
    set(QStringLiteral("title"), p.title);
    set(QStringLiteral("address"), p.address);
    set(QStringLiteral("protocol"), protocolText(p.protocol));
    set(QStringLiteral("type"), p.type);
    set(QStringLiteral("encoding"), p.encoding);
    set(QStringLiteral("size"), sizeText(p.size));
    set(QStringLiteral("modified"), p.lastModified);
}

QString PagePropertiesDialog::fieldText(const QString &name) const
{
    const QLabel *l = findChild<QLabel *>(name);
    return l ? l->text() : QString();
}

QString PagePropertiesDialog::protocolText(const QString &scheme)
{
    const QString s = scheme.toLower();
    if (s == QLatin1String("http"))
        return QStringLiteral("超文本传输协议 (HTTP)");
    if (s == QLatin1String("https"))
        return QStringLiteral("安全超文本传输协议 (HTTPS)");
    if (s == QLatin1String("file"))
        return QStringLiteral("文件 (file)");
    return s.toUpper();
}

QString PagePropertiesDialog::sizeText(qint64 bytes)
{
    if (bytes < 0)
        return QString();
    return QStringLiteral("%1 字节").arg(QLocale(QLocale::Chinese, QLocale::China).toString(bytes));
}
