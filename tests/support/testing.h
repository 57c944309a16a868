#pragma once

#include "support/fakeplatform.h"

#include "shell/editor.h"
#include "shell/form.h"
#include "shell/mainwindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace saltor::testing {

// A fresh program for one test: fake platform, Editor, Main shown.
struct Program {
    Program();
    ~Program();

    FakePlatform platform;
    std::unique_ptr<Editor> editor;

    MainWindow& main() const { return editor->main(); }
    QString document() const;
    void setDocument(const QString& text);

    // True when Main and all twelve command buttons are enabled.
    bool mainEnabled() const;
    // True when Main and all twelve command buttons are disabled.
    bool mainDisabled() const;

    // Opens a form through showDialog and returns it (fails the test when unknown).
    Form* open(const QString& formName);

    // Runs the deferred deletes, so unloaded forms are really gone.
    static void settle();
};

// Finds a named child of parent, or fails the current test.
template <typename T> T* child(QObject* parent, const QString& name)
{
    T* found = parent ? parent->findChild<T*>(name) : nullptr;
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

// Replaces the text of a single- or multi-line box as a user's typing would leave it.
void typeInto(QWidget* box, const QString& text);
// The box's text (a multi-line box gives CRLF line breaks).
QString textOf(QWidget* box);
// Sets the selection of a text box (anchor to position; equal for a bare caret).
void setSelection(QPlainTextEdit* edit, int anchor, int position);
// A real file's whole bytes ("<unreadable>" when it cannot be read), and a whole write.
QByteArray readFileBytes(const QString& path);
bool writeFileBytes(const QString& path, const QByteArray& bytes);
// Clicks a named button of form.
void click(QWidget* form, const QString& buttonName);
// The controls of form listed in names, in the order the Tab key visits them, starting from
// the first name.
QStringList tabChain(QWidget* form, const QStringList& names);

} // namespace saltor::testing
