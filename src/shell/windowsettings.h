#pragma once

#include <QString>

class QWidget;

namespace saltor {

// Where a dialog first appears. A dialog asked to be centred on its owner is shown without
// one, so it is centred over the main window instead.
enum class StartPosition { CentreOwner, CentreScreen };

// The window settings every dialog form carries: caption, taskbar entry, first position
// and client size in twips (15 twips make one pixel).
struct WindowSettings {
    QString caption;
    bool inTaskbar = false;
    StartPosition position = StartPosition::CentreScreen;
    int widthTwips = 0;
    int heightTwips = 0;
};

constexpr int twipsToPixels(int twips) { return twips / 15; }

// A fixed tool window without control box: small title bar, not resizable, no minimize,
// maximize or close box; in the taskbar only when asked.
void applyWindowSettings(QWidget* window, const WindowSettings& settings);

// Moves window to its start position, centred by its whole frame as the window manager reports
// it; owner is the main window.
void placeWindow(QWidget* window, StartPosition position, const QWidget* owner);

} // namespace saltor
