// The options dialog "LZ 选项": the exit prompt switch, the default-browser
// box and the main window's background picture.
#pragma once

#include "platform/BorderlessDialog.h"

#include <QString>

#include <functional>

class QCheckBox;
class QGroupBox;
class QPushButton;
class PicturePanel;
class TFormMain;

// Full path of the user's own background picture: set when a file is chosen
// and by the start-up rule when the stored choice is 6.
inline QString CustomPicturePath;

class TfrmSet : public BorderlessDialog
{
    Q_OBJECT
public:
    explicit TfrmSet(TFormMain *owner);

    // The built-in swatches, in their row order, with the stored value each
    // stands for.
    struct Swatch {
        int value;
        const char *name;
        const char *hint;
    };
    static const Swatch Swatches[6];

    // The file chosen in the picture-open dialog; empty when cancelled.
    // Replaceable so that tests answer in place of the user.
    std::function<QString()> OpenPictureDialog1;

    QWidget *suiImagePanel2 = nullptr;
    QGroupBox *suiGroupBox1 = nullptr;
    QGroupBox *suiGroupBox2 = nullptr;
    QCheckBox *suiCheckBox1 = nullptr;
    QCheckBox *suiCheckBox2 = nullptr;
    PicturePanel *SpeedButton4 = nullptr;
    PicturePanel *SpeedButton1 = nullptr;
    PicturePanel *SpeedButton2 = nullptr;
    PicturePanel *SpeedButton5 = nullptr;
    PicturePanel *SpeedButton6 = nullptr;
    PicturePanel *SpeedButton7 = nullptr;
    QPushButton *bbtnsel = nullptr;
    QPushButton *suiButton1 = nullptr;
    QPushButton *suiButton2 = nullptr;
    QPushButton *suiButton3 = nullptr;

    // The swatch standing for a built-in value 0 to 5; null for any other.
    PicturePanel *swatchOf(int value) const;

    // A background chosen: a swatch or bbtnsel.
    void P_btn(QWidget *panel);

public slots:
    void suiCheckBox1Click();
    void suiCheckBox2Click();
    void suiButton3Click();
    void suiButton1Click();
    void suiButton2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Applying: true when the exit prompt switch was stored.
    bool apply();
    void storeFailed(const QString &what, const std::exception &error);
    QString choosePictureFile();

    TFormMain *m_main;
    PicturePanel *m_swatches[6] = {};
};
