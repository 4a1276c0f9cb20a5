#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Message boxes of the desktop. Tests install a hook that answers in place of
// the user (and records what was asked) so nothing modal blocks them.
namespace MessageBox {

struct Request {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

using Hook = std::function<QMessageBox::StandardButton(const Request &)>;

// Shows a modal message box and returns the button pressed.
QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &caption,
                                 QMessageBox::Icon icon = QMessageBox::Information,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// Replaces the box by hook (empty: real boxes again).
void setHook(Hook hook);

} // namespace MessageBox
