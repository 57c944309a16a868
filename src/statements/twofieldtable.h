#pragma once

#include <QString>

#include <array>

namespace saltor {

// One text box of a two-field dialog with its field label above and example label under it.
struct TwoFieldBox {
    const char* box;
    const char* label;
    const char* labelText;
    const char* example;
    const char* exampleText;
};

enum class TwoFieldPosition { Upper, Lower };

// Everything in which the five two-field dialogs differ. Their statement is
// piece 1, middle, piece 3, end, CRLF, where pieces 1 and 3 are the texts of the named boxes.
struct TwoFieldRow {
    const char* form;
    TwoFieldBox upper;
    TwoFieldBox lower;
    const char* actionButton;
    const char* actionCaption;
    const char* actionToolTip;
    TwoFieldPosition piece1;
    const char* middle;
    TwoFieldPosition piece3;
    const char* end;
    // The two command buttons in Verdana instead of the dialogs' default font.
    bool verdanaButtons;
};

const std::array<TwoFieldRow, 5>& twoFieldRows();
// The row of form, or nullptr.
const TwoFieldRow* twoFieldRow(const QString& form);

} // namespace saltor
