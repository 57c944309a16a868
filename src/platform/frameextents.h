#pragma once

#include <QMargins>

class QWidget;

namespace saltor {

// The frame (title bar and borders) that the window manager puts around the top-level window,
// as it reports it in _NET_FRAME_EXTENTS. A window not mapped yet is created natively and the
// window manager is asked for its estimate (_NET_REQUEST_FRAME_EXTENTS), so a window can be
// placed by its whole frame before it first shows. Empty margins where no window manager
// reports a frame (offscreen, a bare X server, a frameless window).
QMargins frameExtents(const QWidget* window);

} // namespace saltor
