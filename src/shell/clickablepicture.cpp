#include "shell/clickablepicture.h"

#include <QMouseEvent>

namespace saltor {

void ClickablePicture::mousePressEvent(QMouseEvent* event)
{
    // Presses on a child label propagate here; they do not count.
    m_pressed = event->button() == Qt::LeftButton && !childAt(event->position().toPoint());
    event->accept();
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && rect().contains(event->position().toPoint())
                       && !childAt(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace saltor
