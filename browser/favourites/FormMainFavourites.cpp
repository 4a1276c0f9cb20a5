// The main window's favourites commands.
#include "browser/favourites/FavouritesPages.h"
#include "browser/favourites/LzFav.h"
#include "browser/favourites/UnitWdsc.h"
#include "browser/shell/UnitFormMain.h"
#include "platform/MessageBox.h"
#include "platform/SkinWidgets.h"
#include "platform/WindowHelpers.h"

#include <QApplication>
#include <QSaveFile>

// "我的收藏": the password dialog, modeless, over the current background.
void TFormMain::N77Click()
{
    try {
        auto *dialog = WindowHelpers::ownedInstance<TfrmWdsc>(this, QStringLiteral("frmWdsc"),
                                                              [this] { return new TfrmWdsc(this); });
        dialog->setBackgroundPicture(img_c->picture());
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    } catch (const std::exception &) {
    }
}

// "电脑收藏夹导入岚舟"
void TFormMain::N80Click()
{
    P_ClearFavorites();
}

// The small import button at the left end of the tab strip.
void TFormMain::suiImageButton5Click()
{
    P_ClearFavorites();
}

// Writes LzFav.htm, the page of the user's favourites, into the program folder
// and opens the import dialog. A page that cannot be written is reported and
// the dialog does not open.
void TFormMain::P_ClearFavorites()
{
    const QString path = AppPath + QStringLiteral("LzFav.htm");
    QSaveFile file(path);
    const QByteArray bytes = LzFav::pageFileBytes(LzFav::favouritesPage(LzFav::favouritesFolder()));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        MessageBox::show(this, QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()),
                         QApplication::applicationDisplayName(), QMessageBox::Critical, QMessageBox::Ok);
        return;
    }
    auto *dialog = WindowHelpers::ownedInstance<TfrmLzFav>(this, QStringLiteral("frmLzFav"),
                                                           [this] { return new TfrmLzFav(this); });
    dialog->setBackgroundPicture(img_c->picture());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}
