#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

// The rules of the favourites: the lines of the page LzFav.htm built from the
// user's Favorites folder, and the addresses of the service's pages.
namespace LzFav {

// The user's Favorites folder: "Favorites" in the home folder, unless another
// one was set (an empty text restores the default).
QString favouritesFolder();
void setFavouritesFolder(const QString &folder);

// Text made safe to stand in an HTML page, inside or outside a quoted attribute.
QString htmlEscaped(const QString &text);

// One favourite: <a href="address">title</a><BR>
QString linkLine(const QString &title, const QString &address);

// The address of a shortcut file: key "URL" of section "InternetShortcut",
// at most 2047 characters; empty when the key is missing.
QString shortcutAddress(const QString &urlFile);

// The favourites list of folder: a link line for each ".url" file, then for
// each subfolder "<BR>", its name and "<BR>", and its own list, depth first.
// Folders whose names begin with "." are left out with all below them.
QStringList GetIEFavourites(const QString &folder);

// Every line of LzFav.htm for the favourites of folder.
QStringList favouritesPage(const QString &folder);
// The page file's bytes: GB18030, CRLF after every line.
QByteArray pageFileBytes(const QStringList &lines);

// A query value as it travels: UTF-8, percent-encoded.
QString queryValue(const QString &value);

// The lookup page of the favourites filed under password (blanks and control
// characters around it removed).
QString lookupAddress(const QString &site, const QString &password);

// The filing request of one favourite; the password as typed, not trimmed.
QString filingAddress(const QString &site, const QString &title, const QString &address,
                      const QString &password, const QDate &date);

} // namespace LzFav
