#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

class QWidget;

namespace saltor {

// The application's title, shown by every message box without a title of its own
// and by every input box.
inline const QString kAppTitle = QStringLiteral("Saltor Editor");

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Question, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

// The most a file may hold for Open to read it: above either, filling the document would
// take too long or too much memory (the README's "Files" section says how they were chosen).
inline constexpr qint64 kOpenLimitBytes = 200 * 1024 * 1024;
inline constexpr qint64 kOpenLimitLines = 4000000;

// Outcome of a whole-file read: the bytes, or the reason the file could not be read.
struct ReadResult {
    bool ok = false;
    QByteArray bytes;
    QString error;
};

// Outcome of a whole-file write: an existing file changes only when ok is true, except where
// error says that the file may now be damaged.
struct WriteResult {
    bool ok = false;
    QString error;
};

// Everything the forms need of the window system that a test must be able to answer
// or observe. The program uses QtPlatform; tests use a scripted fake.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal message box. An empty title shows kAppTitle. With YesNo, Yes is the default button.
    virtual MessageAnswer messageBox(const QString& prompt, MessageButtons buttons,
                                     MessageIcon icon, const QString& title = QString()) = 0;
    // Modal single-line input box titled kAppTitle with an empty default text;
    // a cancel gives the empty text, as an empty entry does.
    virtual QString inputBox(const QString& prompt) = 0;
    virtual void beep() = 0;

    virtual void clearClipboard() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // Plain text on the clipboard, or the empty text when it holds none.
    virtual QString clipboardText() = 0;

    virtual QDate today() = 0;

    // The common file dialog. qtFilter is a Qt name filter ("SQF files (*.sqf)"); fileName is
    // the path chosen last (may be empty). Returns the chosen path, or nothing on a cancel.
    // The save dialog does not confirm a replacement itself: the caller asks.
    virtual std::optional<QString> openFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName) = 0;
    virtual std::optional<QString> saveFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName) = 0;

    // Whether anything stands at path, a symbolic link included (even one that leads nowhere or
    // in a loop): a save there would replace it or write through it.
    virtual bool fileExists(const QString& path) = 0;
    // Reads a regular file of at most kOpenLimitBytes and kOpenLimitLines whole; anything else
    // (a folder, device, pipe or socket, a larger file) is refused at once. Never blocks.
    virtual ReadResult readFile(const QString& path) = 0;
    // Writes bytes as the whole file at path. A failure gives the system's own reason ("No space
    // left on device") and leaves the file as it was. A symbolic link is written through to its
    // target; a loop, or a link that cannot be read, is refused. An existing file is replaced
    // atomically by a new one that was written and synced whole and took the old one's owner,
    // group and mode; where that cannot be (another user's file, a mode the saver may not set,
    // a file with several names, a folder where no file may be made or renamed), the file is
    // written in place, with its new size reserved before the first old byte changes. Where the
    // file system cannot reserve it and a write fails half way, the reason says that the file
    // may now be damaged. A device is written in place; a folder, pipe or socket is refused.
    // Never blocks.
    virtual WriteResult writeFile(const QString& path, const QByteArray& bytes) = 0;

    // Opens the help file, looked up by bare name; shows nothing when it cannot.
    virtual void openHelp(const QString& fileName) = 0;

    virtual bool numLockOn() = 0;
    virtual bool capsLockOn() = 0;

    // Leaves the event loop at once; nothing is saved or asked.
    virtual void endProgram() = 0;
};

} // namespace saltor
