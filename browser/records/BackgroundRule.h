// The background choice: which picture each stored value stands for, and the
// start-up rule that turns the stored choice into the main window's picture.
#pragma once

#include "store/Dmsystem.h"

#include <QImage>
#include <QString>

#include <optional>

namespace BackgroundRule {

// The user's own picture: bj 6, its path in lj.
constexpr int OwnPicture = 6;

// The picture the main window starts with for the stored choice; none when it
// keeps its designed picture (a value outside 0 to 6, or an own picture file
// that exists but cannot be read). For 6 the path is passed on in
// customPicturePath, and a missing file gives the light-blue picture.
std::optional<QImage> startupPicture(const Background &stored, QString *customPicturePath);

} // namespace BackgroundRule
