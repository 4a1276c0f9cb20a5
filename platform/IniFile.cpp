#include "platform/IniFile.h"

#include "platform/TextCodec.h"

#include <QFile>
#include <QStringDecoder>

namespace {

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return TextCodec::fromGb18030(bytes);
}

} // namespace

bool IniFile::load(const QString &path)
{
    m_entries.clear();
    m_sections.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    parse(file.readAll());
    return true;
}

void IniFile::parse(const QByteArray &bytes)
{
    m_entries.clear();
    m_sections.clear();
    QString section;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype end = line.indexOf(QLatin1Char(']'));
            section = (end < 0 ? line.mid(1) : line.mid(1, end - 1)).trimmed().toString();
            m_sections.append(section);
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        m_entries.append({section, line.left(eq).trimmed().toString(), line.mid(eq + 1).trimmed().toString()});
    }
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    for (const Entry &e : m_entries) {
        if (e.section.compare(section, Qt::CaseInsensitive) == 0 && e.key.compare(key, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return find(section, key) != nullptr;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *e = find(section, key);
    return e ? e->value : defaultValue;
}

QList<QString> IniFile::sections() const
{
    return m_sections;
}
