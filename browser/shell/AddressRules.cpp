#include "browser/shell/AddressRules.h"

#include "platform/TextCodec.h"

namespace AddressRules {

QString afterDoubleBar(const QString &text)
{
    const int bar = text.indexOf(DoubleBar);
    if (bar < 0)
        return text;
    return TextCodec::leftBytesGb18030(text.mid(bar + DoubleBar.size()), 100);
}

QString addressBarAddress(const QString &text)
{
    QString address = afterDoubleBar(text);
    address.remove(QLatin1Char('\''));
    return address;
}

QString tabCaption(const QString &title)
{
    if (title.size() <= 8)
        return title;
    // A character outside the basic plane is never cut in half.
    const int keep = title.at(7).isHighSurrogate() ? 7 : 8;
    return title.left(keep) + QStringLiteral("...");
}

QString addressItem(int sy, const QString &title, const QString &url)
{
    const QString prefix = sy == 1 ? QStringLiteral("常用: ") : QString();
    return prefix + title + DoubleBar + url;
}

QString defaultAddressText(const QString &serviceSite)
{
    return QStringLiteral("常用：岚舟_轻舟畅游网络") + DoubleBar + serviceSite;
}

} // namespace AddressRules
