#include "platform/MessageBox.h"

namespace MessageBox {

static Hook &hook()
{
    static Hook h;
    return h;
}

QMessageBox::StandardButton show(QWidget *parent, const QString &text, const QString &caption,
                                 QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    const Request request{text, caption, icon, buttons};
    if (hook())
        return hook()(request);
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void setHook(Hook h)
{
    hook() = std::move(h);
}

} // namespace MessageBox
