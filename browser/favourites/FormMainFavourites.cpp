// The main window's favourites commands.
#include "browser/shell/UnitFormMain.h"

void TFormMain::N77Click() {}
void TFormMain::N80Click()
{
    P_ClearFavorites();
}
void TFormMain::suiImageButton5Click()
{
    P_ClearFavorites();
}
void TFormMain::P_ClearFavorites() {}
