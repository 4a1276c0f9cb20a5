#pragma once

#include "platform/BorderlessDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class SkinButton;
class TFormMain;

// "我的收藏": asks for the password the favourites were filed under and opens
// the service's page of them in a new tab. Closing hides it; the password
// typed stays in the edit for the next opening.
class TfrmWdsc : public BorderlessDialog
{
    Q_OBJECT
public:
    explicit TfrmWdsc(TFormMain *owner);

    PicturePanel *suiImagePanel2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtCheck = nullptr;
    QPushButton *suiButton1 = nullptr;
    QPushButton *suiButton2 = nullptr;
    SkinButton *suiImageButton6 = nullptr;

public slots:
    void suiButton1Click();
    void suiButton2Click();
    void suiImageButton6Click();
    void edtCheckKeyPress();

private:
    TFormMain *m_main;
};
