#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A read-only INI file: "[section]" lines, "key=value" lines, comments after
// ";" at the start of a line. Section and key names compare without regard to
// case, as the desktop's own profile functions do; a name that appears twice
// gives its first value. The text is UTF-8 when it is valid UTF-8 (a byte
// order mark is dropped) and GB18030 otherwise.
class IniFile
{
public:
    IniFile() = default;
    // Reads path; a missing or unreadable file reads as empty (false).
    bool load(const QString &path);
    void parse(const QByteArray &bytes);

    bool contains(const QString &section, const QString &key) const;
    // The value of key in section with blanks around it removed, or
    // defaultValue when there is no such key.
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    QList<QString> sections() const;

private:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    const Entry *find(const QString &section, const QString &key) const;

    QList<Entry> m_entries;
    QList<QString> m_sections;
};
