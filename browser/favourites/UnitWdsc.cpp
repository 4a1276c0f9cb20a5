#include "browser/favourites/UnitWdsc.h"

#include "browser/favourites/FavouritesPages.h"
#include "browser/favourites/FavouritesWidgets.h"
#include "browser/shell/DialogStyle.h"
#include "browser/shell/DownloadIEInterface.h"
#include "browser/shell/Pictures.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/SkinWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmWdsc::TfrmWdsc(TFormMain *owner)
    : BorderlessDialog(owner, Centre::OnDesktop), m_main(owner)
{
    setWindowTitle(QStringLiteral("我的收藏 - Lanzo Browser"));
    setStyleSheet(dialogStyleSheet());
    setDesignSize(377, 146);

    suiImagePanel2 = new PicturePanel(this, PicturePanel::Mode::Unscaled);
    suiImagePanel2->setPicture(Pictures::glyph(QStringLiteral("star"), QSize(48, 48)).toImage());
    suiImagePanel2->setGeometry(16, 34, 48, 48);
    addDragHandle(suiImagePanel2);

    Label1 = new QLabel(QStringLiteral("LZ 请在以下输入加密密码，查看所收藏的网址。"), this);
    Label1->setGeometry(76, 38, 290, 18);
    addDragHandle(Label1);

    edtCheck = FavouritesWidgets::passwordEdit(this, 105, 20);
    edtCheck->move(76, 66);

    suiButton1 = FavouritesWidgets::button(this, QStringLiteral("确定"));
    suiButton1->move(377 - 2 * 80 - 24, 146 - 27 - 14);
    suiButton2 = FavouritesWidgets::button(this, QStringLiteral("取消"));
    suiButton2->move(377 - 80 - 16, 146 - 27 - 14);

    suiImageButton6 = cornerCloseButton();
    suiImageButton6->setToolTip(QStringLiteral("关闭"));

    setTabOrder(edtCheck, suiButton1);
    setTabOrder(suiButton1, suiButton2);
    edtCheck->setFocus();

    connect(suiButton1, &QPushButton::clicked, this, &TfrmWdsc::suiButton1Click);
    connect(suiButton2, &QPushButton::clicked, this, &TfrmWdsc::suiButton2Click);
    connect(suiImageButton6, &QAbstractButton::clicked, this, &TfrmWdsc::suiImageButton6Click);
    connect(edtCheck, &QLineEdit::returnPressed, this, &TfrmWdsc::edtCheckKeyPress);
}

// "确定": the page of the favourites filed under the password opens in a new
// tab and the dialog closes. Should that fail, the dialog stays open.
void TfrmWdsc::suiButton1Click()
{
    try {
        TDownloadIEInterface *tabs = m_main->TabManager;
        if (!tabs)
            return;
        tabs->PendingUrl = LzFav::lookupAddress(m_main->serviceSite(), edtCheck->text());
        tabs->AddTab();
        tabs->GetNewTabDispatch();
        hide();
    } catch (const std::exception &) {
    }
}

void TfrmWdsc::suiButton2Click()
{
    hide();
}

void TfrmWdsc::suiImageButton6Click()
{
    hide();
}

// Enter in the password edit does what "确定" does.
void TfrmWdsc::edtCheckKeyPress()
{
    suiButton1Click();
}
