#pragma once

#include <QByteArray>
#include <QString>

// Text in the Simplified Chinese code page. GB18030 is GBK's superset: it loses
// no character, and encodes every GBK character with the same bytes.
namespace TextCodec {

QByteArray toGb18030(const QString &text);
QString fromGb18030(const QByteArray &bytes);

// The longest prefix of text whose GB18030 form is at most maxBytes long.
// A character is never cut in half: one that does not fit whole is left out.
QString leftBytesGb18030(const QString &text, int maxBytes);

} // namespace TextCodec
