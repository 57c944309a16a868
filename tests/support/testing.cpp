#include "support/testing.h"

#include "app/formtable.h"
#include "shell/dialogframe.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QTextCursor>
#include <QTest>

namespace saltor::testing {

Program::Program() : editor(std::make_unique<Editor>(platform))
{
    QGuiApplication::clipboard()->clear();
    registerForms(*editor);
    editor->main().show();
}

Program::~Program()
{
    editor.reset();
    settle();
}

QString Program::document() const
{
    return editor->main().textPreview()->text();
}

void Program::setDocument(const QString& text)
{
    editor->main().textPreview()->setText(text);
}

bool Program::mainEnabled() const
{
    if (!main().isEnabled())
        return false;
    for (QPushButton* button : main().mainCommandButtons())
        if (!button->isEnabled())
            return false;
    return true;
}

bool Program::mainDisabled() const
{
    if (main().isEnabled())
        return false;
    for (QPushButton* button : main().mainCommandButtons())
        if (button->isEnabled())
            return false;
    return true;
}

Form* Program::open(const QString& formName)
{
    Form* form = editor->showDialog(formName);
    if (!form)
        qWarning("form %s is not known", qPrintable(formName));
    return form;
}

void Program::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void typeInto(QWidget* box, const QString& text)
{
    setBoxText(box, text);
}

QString textOf(QWidget* box)
{
    return boxText(box);
}

void setSelection(QPlainTextEdit* edit, int anchor, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

QByteArray readFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void click(QWidget* form, const QString& buttonName)
{
    auto* button = form ? form->findChild<QPushButton*>(buttonName) : nullptr;
    if (!button) {
        qWarning("no button %s", qPrintable(buttonName));
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList tabChain(QWidget* form, const QStringList& names)
{
    QStringList chain;
    QWidget* start = form && !names.isEmpty() ? form->findChild<QWidget*>(names.first()) : nullptr;
    QWidget* widget = start;
    while (widget) {
        if (names.contains(widget->objectName()) && !chain.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
        if (widget == start)
            break;
    }
    return chain;
}

} // namespace saltor::testing
