#pragma once

class QString;

namespace saltor {

class Form;

// What Main asks of the program's dialogs: Main knows a dialog only by its form name, and the
// Editor, which owns them, answers.
class DialogOpener {
public:
    virtual ~DialogOpener() = default;

    // Creates the single instance of the form called name if there is none (running its
    // Form_Load) and shows it modeless, without an owner, in front.
    virtual Form* showDialog(const QString& name) = 0;
    // Brings the open dialogs back in front of Main, the one that takes input on top.
    virtual void raiseOpenDialog() = 0;
};

} // namespace saltor
