#include "browser/favourites/FavouritesWidgets.h"

#include <QLineEdit>
#include <QPushButton>

namespace FavouritesWidgets {

QLineEdit *passwordEdit(QWidget *parent, int width, int height)
{
    auto *edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral(
        "QLineEdit { lineedit-password-character: 42; border: 1px solid #7F9DB9; background: white; }"
        "QLineEdit:disabled { background: #ECE9D8; }"));
    edit->resize(width, height);
    return edit;
}

QPushButton *button(QWidget *parent, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { border: 1px solid #3169C6; border-radius: 3px; color: black;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #D6E3F7); }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #FFFFFF, stop:1 #B9D1F3); }"
        "QPushButton:pressed { background: #B9D1F3; }"
        "QPushButton:disabled { color: #8C8C8C; border-color: #A0A0A0; }"));
    b->resize(80, 27);
    return b;
}

} // namespace FavouritesWidgets
