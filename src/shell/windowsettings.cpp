#include "shell/windowsettings.h"

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
    QRect area;
    if (position == StartPosition::CentreOwner && owner && owner->isVisible()) {
        area = owner->frameGeometry();
    } else {
        QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

} // namespace saltor
