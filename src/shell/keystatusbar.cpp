#include "shell/keystatusbar.h"

#include "platform/platform.h"
#include "shell/fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace saltor {

namespace {

// Panel widths are given in HIMETRIC (0.01 mm): 2540 is one inch, 96 pixels.
constexpr int himetricToPixels(int himetric) { return himetric * 96 / 2540; }

QLabel* panel(const QString& name, const QString& text, const QString& toolTip, int himetric,
              Qt::Alignment alignment)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setToolTip(toolTip);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFixedWidth(himetricToPixels(himetric) - 6);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

} // namespace

KeyStatusBar::KeyStatusBar(Platform& platform) : m_platform(platform)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setFont(verdanaFont(8.25));
    setSizeGripEnabled(false);
    addWidget(panel(QStringLiteral("Panel1"), QStringLiteral("Vandrel2 Briefing Editor by Tavik"),
                    QString(), 17489, Qt::AlignLeft));
    m_num = panel(QStringLiteral("Panel2"), QStringLiteral("NUM"),
                  QStringLiteral("Num Lock is enabled/disabled"), 2540, Qt::AlignHCenter);
    m_caps = panel(QStringLiteral("Panel3"), QStringLiteral("CAPS"),
                   QStringLiteral("Caps Lock is enabled/disabled"), 2540, Qt::AlignHCenter);
    m_ins = panel(QStringLiteral("Panel4"), QStringLiteral("INS"),
                  QStringLiteral("Ins is enabled/disabled"), 2540, Qt::AlignHCenter);
    addWidget(m_num);
    addWidget(m_caps);
    addWidget(m_ins);
    // The Insert key's toggle is off until the key is first pressed.
    m_ins->setEnabled(false);

    m_timer = new QTimer(this);
    m_timer->setInterval(250);
    connect(m_timer, &QTimer::timeout, this, &KeyStatusBar::refresh);
    m_timer->start();
    refresh();
    // The Insert key goes to whichever control has the focus; the bar sees it on its way.
    qApp->installEventFilter(this);
}

bool KeyStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    // A key press that no control takes travels up to the window and passes the application's
    // filters once for each step: it counts only where it starts, at the window's focus control.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Insert
        && watched->isWidgetType()) {
        const auto* target = static_cast<QWidget*>(watched);
        if (target->window() == window() && target == window()->focusWidget())
            toggleInsert();
    }
    return QStatusBar::eventFilter(watched, event);
}

void KeyStatusBar::toggleInsert()
{
    m_ins->setEnabled(!m_ins->isEnabled());
}

void KeyStatusBar::refresh()
{
    m_num->setEnabled(m_platform.numLockOn());
    m_caps->setEnabled(m_platform.capsLockOn());
}

} // namespace saltor
