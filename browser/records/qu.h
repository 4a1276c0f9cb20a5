// The exit prompt: "您确定退出岚舟Browser吗？" with "确定" and "取消".
#pragma once

#include "platform/BorderlessDialog.h"

#include <QString>

class QLabel;
class QPushButton;
class PicturePanel;

class TfrmQu : public BorderlessDialog
{
    Q_OBJECT
public:
    explicit TfrmQu(QWidget *owner);

    // "yes" only after "确定".
    QString Answer;

    PicturePanel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *bbtnOk = nullptr;
    QPushButton *bbtnClose = nullptr;

public slots:
    void bbtnOkClick();
    void bbtnCloseClick();
    // Escape and the window system's close act as "取消".
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
};
