#pragma once

#include <QIcon>
#include <QPixmap>

namespace saltor {

// Pictures of the program's own making, drawn at run time.
QPixmap mainPicture();   // Picture1 of Main, 185 x 113
QPixmap aboutPicture();  // the About box, 300 x 160
QIcon applicationIcon();

} // namespace saltor
