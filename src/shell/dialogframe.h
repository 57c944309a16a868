#pragma once

#include <QColor>
#include <QList>
#include <QString>


class QBoxLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace saltor {

class Platform;

// The frame every dialog shares: its controls, fonts and colours, and the small mechanisms
// several dialogs use (the required-field test, switching an optional box, line breaks).

inline const QString kFillAllFields = QStringLiteral(" Fill all fields or click on the Cancel button. ");
inline const QString kCancelToolTip = QStringLiteral("Close this subform without any changes");

// Background of a text box that is switched on (the window colour) and off (a visible grey).
QColor activeFieldColor();
QColor inactiveFieldColor();
// The background a box currently shows.
QColor fieldColor(const QWidget* box);

// The Text of a single-line box (QLineEdit) or a multi-line box (QPlainTextEdit, whose line
// breaks read as CRLF).
QString boxText(const QWidget* box);
// Replaces the whole Text of a box; CRLF in a multi-line box becomes a line break.
void setBoxText(QWidget* box, const QString& text);

// Reads every listed box (all of them, in order) and compares its Text with the exact empty
// string. When one or more are empty: one beep, one message box (OK, exclamation icon, the
// application's title) with message, and false. Otherwise true and nothing shown.
bool requireFields(Platform& platform, const QList<const QWidget*>& boxes, const QString& message);

// Switches an optional box on (enabled, activeFieldColor) or off (disabled,
// inactiveFieldColor); its text is kept.
void setFieldActive(QWidget* box, bool on);
// Gives a box the background colour, nothing else: whether it is enabled is not touched.
void setFieldColor(QWidget* box, const QColor& colour);

// "<br />" at the end of the box, no CRLF, whatever the caret or selection.
void appendLineBreak(QPlainTextEdit* box);

// Controls, each given its name as objectName (tests and the tab chain find it by that name),
// in the frame's fonts.
QLabel* fieldLabel(const QString& name, const QString& text);        // Verdana 8.25
QLabel* exampleLabel(const QString& name, const QString& text);      // red, Verdana 6.75
QLineEdit* singleLineBox(const QString& name);                        // Verdana 8.25, one line of any length
QPlainTextEdit* multiLineBox(const QString& name);                    // vertical scroll bar
QPushButton* commandButton(const QString& name, const QString& caption, const QString& toolTip = QString());
// A flat-coloured ("graphical style") button, as the markup and line-break buttons are.
QPushButton* colouredButton(const QString& name, const QString& caption, const QColor& colour);
// "Cancel" with its tool tip; Esc clicks it (see Form).
QPushButton* cancelButton();
// The "Controls" frame: action button, then CancelButton right of it, at the frame's right end.
QGroupBox* controlsFrame(const QString& name, QPushButton* action, QPushButton* cancel);
// A captioned frame in the dialogs' default font.
QGroupBox* frame(const QString& name, const QString& caption);

// A label above its box and an optional example under it, tightly spaced.
QBoxLayout* fieldBlock(QLabel* label, QWidget* box, QLabel* example = nullptr);

// Light colours of the graphical buttons.
inline const QColor kLightBlue(192, 192, 255);
inline const QColor kLightGreen(192, 255, 192);
inline const QColor kLightYellow(255, 255, 192);

} // namespace saltor
