#pragma once

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// The controls shared by the favourites dialogs (their look comes from the
// dialogs' common style sheet).
namespace FavouritesWidgets {

// A masked edit that shows "*" for every character typed.
QLineEdit *passwordEdit(QWidget *parent, int width, int height);
// A push button of 80 × 27; Enter elsewhere in the dialog never presses it.
QPushButton *button(QWidget *parent, const QString &caption);

} // namespace FavouritesWidgets
