#include "browser/favourites/FavouritesWidgets.h"

#include <QLineEdit>
#include <QPushButton>

namespace FavouritesWidgets {

QLineEdit *passwordEdit(QWidget *parent, int width, int height)
{
    auto *edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->resize(width, height);
    return edit;
}

QPushButton *button(QWidget *parent, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    b->resize(80, 27);
    return b;
}

} // namespace FavouritesWidgets
