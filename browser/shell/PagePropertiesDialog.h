#pragma once

#include "platform/WebDialogs.h"

#include <QDialog>

class QLabel;

// "属性": the title, address, protocol, type, encoding, size and date of the
// page on display. One per main window; closing hides it.
class PagePropertiesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PagePropertiesDialog(QWidget *owner);

    void setProperties(const WebPageProperties &properties);
    // What the dialog shows for one field (tests read them).
    QString fieldText(const QString &name) const;

    // Plain rules of the dialog's texts.
    static QString protocolText(const QString &scheme);
    static QString sizeText(qint64 bytes);
};
