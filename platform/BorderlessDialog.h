#pragma once

#include <QDialog>
#include <QImage>

class PicturePanel;
class SkinButton;

// The common behaviour of the browser's dialogs: no frame, on top of other
// windows, rounded corners set on every showing, moved by dragging the
// background (or any handle added), a 16 × 16 close button in the top right
// corner, and closing only hides. The background panel imgP shows whatever
// picture the opener lends it.
class BorderlessDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Centre { OnOwner, OnDesktop };

    explicit BorderlessDialog(QWidget *owner, Centre centre = Centre::OnOwner);

    // The background panel; it fills the dialog and drags it.
    PicturePanel *imgP = nullptr;
    // The button in the top right corner; what it does is the dialog's choice
    // (connect to its clicked signal).
    SkinButton *cornerCloseButton() const { return m_close; }

    void setBackgroundPicture(const QImage &picture);
    // Pressing a mouse button on handle moves the dialog too.
    void addDragHandle(QWidget *handle);
    // Client size the dialog is designed for.
    void setDesignSize(int width, int height);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Centre m_centre;
    SkinButton *m_close = nullptr;
};
