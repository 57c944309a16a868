#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

namespace saltor {

class Platform;

// StatusBar1: the program's name and the NUM, CAPS and INS panels, each drawn greyed while
// its key is off. Num and Caps Lock are polled from the platform; INS follows the Insert
// key's toggle, pressed wherever the focus is in the window that holds the bar.
class KeyStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit KeyStatusBar(Platform& platform);

    void toggleInsert();
    // Reads the key-lock states now (the timer does this about every 250 ms).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Platform& m_platform;
    QLabel* m_num = nullptr;
    QLabel* m_caps = nullptr;
    QLabel* m_ins = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace saltor
