#include "useractions.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextCursor>

namespace saltor::stress {

namespace {

// Where a user clicks a check box or an option button: on its indicator.
QPoint indicatorCentre(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
    const QRect indicator = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
    return indicator.isValid() ? indicator.center() : button->rect().center();
}

} // namespace

QString selectedText(const QPlainTextEdit* edit, const QString& lineEnd)
{
    return edit->textCursor().selectedText().replace(QChar::ParagraphSeparator, lineEnd);
}

void typeKeys(QWidget* target, const QString& typed)
{
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < typed.size() && typed.at(i + 1) == QLatin1Char('\n'))
                ++i;
            QTest::keyClick(target, Qt::Key_Return);
            continue;
        }
        const bool ascii = c.unicode() >= 0x20 && c.unicode() < 0x7f;
        const Qt::Key key = ascii ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

void clickAt(QWidget* target)
{
    if (auto* tickable = qobject_cast<QAbstractButton*>(target); tickable && tickable->isCheckable())
        QTest::mouseClick(tickable, Qt::LeftButton, {}, indicatorCentre(tickable));
    else
        QTest::mouseClick(target, Qt::LeftButton);
}

} // namespace saltor::stress
