#include "shell/pictures.h"

#include "shell/fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace saltor {

namespace {

// A map sheet: olive ground, a grid, contour lines and an objective marker.
void drawMap(QPainter& p, const QRectF& r)
{
    QLinearGradient ground(r.topLeft(), r.bottomRight());
    ground.setColorAt(0, QColor(74, 88, 52));
    ground.setColorAt(1, QColor(38, 46, 28));
    p.fillRect(r, ground);

    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (qreal x = r.left(); x < r.right(); x += r.width() / 8)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y = r.top(); y < r.bottom(); y += r.height() / 5)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));

    p.setPen(QPen(QColor(200, 180, 110, 120), 1.2));
    const QPointF c(r.left() + r.width() * 0.68, r.top() + r.height() * 0.42);
    for (int i = 1; i <= 4; ++i) {
        const qreal w = r.width() * 0.08 * i;
        const qreal h = r.height() * 0.09 * i;
        p.drawEllipse(c, w, h * 0.8);
    }

    p.setPen(QPen(QColor(220, 40, 30), 2));
    p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
}

QPixmap drawTitled(int width, int height, qreal titlePoints, const QString& subtitle)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawMap(p, QRectF(0, 0, width, height));

    QFont title = verdanaFont(titlePoints);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(240, 236, 220));
    p.drawText(QRectF(10, 6, width - 20, height * 0.45), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Saltor\nEditor"));
    p.setFont(verdanaFont(titlePoints * 0.45));
    p.setPen(QColor(230, 220, 170));
    p.drawText(QRectF(10, 0, width - 20, height - 8), Qt::AlignLeft | Qt::AlignBottom, subtitle);
    return pixmap;
}

} // namespace

QPixmap mainPicture()
{
    return drawTitled(185, 113, 14, QStringLiteral("briefing editor"));
}

QPixmap aboutPicture()
{
    return drawTitled(302, 162, 22, QStringLiteral("mission briefing editor"));
}

QIcon applicationIcon()
{
    QPixmap pixmap(32, 32);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawMap(p, QRectF(0, 0, 32, 32));
    return QIcon(pixmap);
}

} // namespace saltor
