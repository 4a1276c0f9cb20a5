#include "browser/favourites/FavouritesPages.h"

#include "platform/IniFile.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace LzFav {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

// Characters of code 32 or below removed from both ends.
QString trimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

void listFolder(const QString &folder, QStringList &lines, QSet<QString> &visited)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    // A folder reached again through a link would repeat without end.
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);

    const QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, order)) {
        const QString name = file.fileName();
        if (!name.endsWith(QLatin1String(".url"), Qt::CaseInsensitive))
            continue;
        lines.append(linkLine(name.left(name.size() - 4), shortcutAddress(file.filePath())));
    }
    for (const QFileInfo &sub : dir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, order)) {
        if (sub.fileName().startsWith(QLatin1Char('.')))
            continue;
        lines.append(QStringLiteral("<BR>"));
        lines.append(htmlEscaped(sub.fileName()) + QStringLiteral("<BR>"));
        listFolder(sub.filePath(), lines, visited);
    }
}

} // namespace

QString favouritesFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QDir::homePath() + QStringLiteral("/Favorites");
}

void setFavouritesFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString htmlEscaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString linkLine(const QString &title, const QString &address)
{
    return QStringLiteral("<a href=\"") + htmlEscaped(address) + QStringLiteral("\">") + htmlEscaped(title)
        + QStringLiteral("</a><BR>");
}

QString shortcutAddress(const QString &urlFile)
{
    IniFile ini;
    ini.load(urlFile);
    return ini.value(QStringLiteral("InternetShortcut"), QStringLiteral("URL")).left(2047);
}

QStringList GetIEFavourites(const QString &folder)
{
    QStringList lines;
    QSet<QString> visited;
    listFolder(folder, lines, visited);
    return lines;
}

QStringList favouritesPage(const QString &folder)
{
    QStringList lines;
    lines << QStringLiteral("<html>") << QStringLiteral("<head><Title>我的收藏夹</Title></head>")
          << QStringLiteral("<Body bgcolor=\"white\" style=\"color:#000000; font-size: 12px;\" "
                            "oncontextmenu=\"event.returnValue=false;\">");
    lines << GetIEFavourites(folder);
    lines << QStringLiteral("</BODY></HTML>");
    return lines;
}

QByteArray pageFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += TextCodec::toGb18030(line) + "\r\n";
    return bytes;
}

QString queryValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QString lookupAddress(const QString &site, const QString &password)
{
    return site + QStringLiteral("/findSubmit.asp?strcheck=") + queryValue(trimControls(password));
}

QString filingAddress(const QString &site, const QString &title, const QString &address,
                      const QString &password, const QDate &date)
{
    return site + QStringLiteral("/Internet.asp?ss_Title=") + queryValue(title)
        + QStringLiteral("&ss_Addr=") + queryValue(address)
        + QStringLiteral("&ss_Class=") + queryValue(QStringLiteral("空"))
        + QStringLiteral("&ss_Check=") + queryValue(password)
        + QStringLiteral("&ss_Date=") + date.toString(QStringLiteral("yyyy-MM-dd"))
        + QStringLiteral("&sql=2006-03-30");
}

} // namespace LzFav
