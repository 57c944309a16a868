#pragma once

#include <QIcon>
#include <QPixmap>

namespace saltor {

// Pictures of the program's own making, drawn at run time.
QPixmap mainPicture();   // Picture1 of Main, 185 x 113
QPixmap aboutPicture();  // the About box, 302 x 162: covers all of its red ground
QIcon applicationIcon();

} // namespace saltor
