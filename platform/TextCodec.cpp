#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

QByteArray toGb18030(const QString &text)
{
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        return text.toUtf8();
    return encoder.encode(text);
}

QString fromGb18030(const QByteArray &bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    return decoder.decode(bytes);
}

QString leftBytesGb18030(const QString &text, int maxBytes)
{
    int used = 0;
    int i = 0;
    while (i < text.size()) {
        // A surrogate pair is one character: it is taken or left whole.
        const int len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const int bytes = toGb18030(text.mid(i, len)).size();
        if (used + bytes > maxBytes)
            break;
        used += bytes;
        i += len;
    }
    return text.left(i);
}

} // namespace TextCodec
