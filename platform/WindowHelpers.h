#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

// Helpers for borderless windows.
namespace WindowHelpers {

// Gives window rounded corners: a region of a rounded rectangle of its size
// with corner ellipses of ellipse × ellipse pixels.
void setRoundedRegion(QWidget *window, int ellipse = 10);

// Pressing a mouse button on handle moves window with the mouse, through the
// window system's own move where there is one. allowed, when given, is asked
// at each press (a title bar drags only a window in the normal state).
void enableDragMove(QWidget *handle, QWidget *window, std::function<bool()> allowed = {});

// The one instance of T named name among owner's children: found again when
// it exists, made by create (which must give it owner as parent) when not.
template<typename T, typename Create>
T *ownedInstance(QObject *owner, const QString &name, Create create)
{
    if (auto *found = owner->findChild<T *>(name, Qt::FindDirectChildrenOnly))
        return found;
    T *made = create();
    made->setObjectName(name);
    return made;
}

} // namespace WindowHelpers
