#pragma once

#include <QLabel>

namespace saltor {

// A picture box that reports a click on itself; a click on one of its child labels is
// not its click.
class ClickablePicture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace saltor
