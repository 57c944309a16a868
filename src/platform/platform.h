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
// error says that the file may now be damaged. A write can succeed with a note the user must
// read (a bit of the file's mode the system took away, a rename not yet on the disk).
struct WriteResult {
    bool ok = false;
    QString error;
    QString note;
};

// What a path named when a save asked about it: whether anything stood there (a symbolic link
// included, even one that leads nowhere or in a loop), and which folder and file it led to.
// A save writes only where the path still leads to the same ones.
struct FileStamp {
    bool named = false;
    quint64 folderDevice = 0; // the folder the file stands in or is to be made in; 0: none found
    quint64 folderInode = 0;
    QByteArray name;          // the file's name in that folder
    quint64 device = 0;       // the file the path leads to; 0: none
    quint64 inode = 0;

    bool operator==(const FileStamp& other) const
    {
        return named == other.named && folderDevice == other.folderDevice && folderInode == other.folderInode
               && name == other.name && device == other.device && inode == other.inode;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
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

    // Looks path up for a save: named tells whether anything stands there, a symbolic link
    // included (even one that leads nowhere or in a loop), so that replacing it is asked first.
    virtual FileStamp lookUpFile(const QString& path) = 0;
    // Reads a regular file of at most kOpenLimitBytes and kOpenLimitLines whole; anything else
    // (a folder, device, pipe or socket, a larger file) is refused at once. Never blocks.
    virtual ReadResult readFile(const QString& path) = 0;
    // Writes bytes as the whole file at path, which lookUpFile gave asked for. Where the path no
    // longer leads to that folder and file (or to a file at all where none stood), nothing is
    // written and the reason says the file changed while it was being saved. A failure gives
    // the system's own reason ("No space left on device") and leaves the file as it was.
    // Symbolic links are followed by the system, its protections applying; a loop is refused.
    // The file is the save's alone while it is written: a second save at the same time is
    // refused. An existing file is replaced atomically by a new one that was written and synced
    // whole and took the old one's owner, group, mode, extended attributes (its access list
    // among them), attribute flags, project ID and extended flags, and that changes places with
    // it only while the name still holds it; where that cannot be (another user's file, a mode
    // or attribute the saver may not set, a file with several names, a folder where no file may
    // be made or renamed), the file is written in place, with its new size reserved before the
    // first old byte changes, or on a file system that shares blocks between files, by giving
    // it the blocks of a new file written whole. Where the file system cannot reserve the space
    // and a write fails half way, the reason says that the file may now be damaged. A new file
    // never replaces one that appeared meanwhile. A device is written in place; a folder, pipe
    // or socket is refused. Never blocks.
    virtual WriteResult writeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked) = 0;

    // Opens the help file, looked up by bare name; shows nothing when it cannot.
    virtual void openHelp(const QString& fileName) = 0;

    virtual bool numLockOn() = 0;
    virtual bool capsLockOn() = 0;

    // Leaves the event loop at once; nothing is saved or asked.
    virtual void endProgram() = 0;
};

} // namespace saltor
