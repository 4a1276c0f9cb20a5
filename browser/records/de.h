// The confirmation of "清空所有" in the record manager: keep the frequently
// used pages, clear everything, or do nothing.
#pragma once

#include "platform/BorderlessDialog.h"

#include <QString>

class QLabel;
class QPushButton;

class TfrmDe : public BorderlessDialog
{
    Q_OBJECT
public:
    explicit TfrmDe(QWidget *owner);

    // "yes": clear all but the frequently used; "no": clear all; empty: nothing.
    QString Answer;

    QLabel *Label1 = nullptr;
    QPushButton *bbtnOk = nullptr;
    QPushButton *SpeedButton1 = nullptr;
    QPushButton *bbtnClose = nullptr;

public slots:
    void bbtnOkClick();
    void SpeedButton1Click();
    void bbtnCloseClick();
    // Escape and the window system's close act as "取消".
    void reject() override;
};
