#include "browser/records/BackgroundRule.h"

#include "browser/shell/Pictures.h"

#include <QFileInfo>

namespace BackgroundRule {

std::optional<QImage> startupPicture(const Background &stored, QString *customPicturePath)
{
    if (stored.bj >= Pictures::LightBlue && stored.bj <= Pictures::InkWash)
        return Pictures::background(stored.bj);
    if (stored.bj != OwnPicture)
        return std::nullopt;
    if (customPicturePath)
        *customPicturePath = stored.lj;
    if (!QFileInfo::exists(stored.lj))
        return Pictures::background(Pictures::LightBlue);
    QImage own;
    if (!own.load(stored.lj))
        return std::nullopt;
    return own;
}

} // namespace BackgroundRule
