#pragma once

#include <QString>

// The rules that turn address-bar texts into addresses and titles into tab
// captions. Plain text in, text out.
namespace AddressRules {

// The double bar that separates an address item's title from its address.
inline const QString DoubleBar = QStringLiteral("\u2016");

// What follows the first double bar, at most 100 bytes of it (counted in
// GB18030, never cutting a character); a text without a double bar, whole.
QString afterDoubleBar(const QString &text);

// The address the go command opens for an address-bar text: the double-bar
// rule, then every apostrophe removed.
QString addressBarAddress(const QString &text);

// A tab's caption: the title when it has at most 8 characters, else its first
// 8 characters and "...".
QString tabCaption(const QString &title);

// One entry of the address bar's list: "常用: " for a frequently used page,
// the title, the double bar and the address.
QString addressItem(int sy, const QString &title, const QString &url);

// The address bar's default text, naming the service's home page.
QString defaultAddressText(const QString &serviceSite);

} // namespace AddressRules
