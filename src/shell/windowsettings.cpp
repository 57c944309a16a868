#include "shell/windowsettings.h"

#include "platform/frameextents.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace saltor {

void applyWindowSettings(QWidget* window, const WindowSettings& settings)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    flags |= settings.inTaskbar ? Qt::Window : Qt::Tool;
    window->setWindowFlags(flags);
    window->setWindowTitle(settings.caption);
    window->setFixedSize(twipsToPixels(settings.widthTwips), twipsToPixels(settings.heightTwips));
}

void placeWindow(QWidget* window, StartPosition position, const QWidget* owner)
{
    // Centred as the user sees it: by the whole frame, title bar included, both for the window
    // placed and for the owner it is centred on.
    QRect area;
    if (position == StartPosition::CentreOwner && owner && owner->isVisible()) {
        area = owner->geometry().marginsAdded(frameExtents(owner));
    } else {
        QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    const QMargins frame = frameExtents(window);
    const QSize outer = window->size().grownBy(frame);
    const QPoint topLeft(area.x() + (area.width() - outer.width()) / 2,
                         area.y() + (area.height() - outer.height()) / 2);
    // The window is created by now, so its position is that of its client area, where the
    // window manager keeps it: the frame goes around it, and nothing moves once it shows.
    window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), window->size()));
}

} // namespace saltor
