#pragma once

#include "platform/platform.h"

#include <QHash>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

namespace saltor::testing {

// A platform for tests: answers come from queues filled by the test, and everything shown
// is recorded. An empty answer queue gives No (message boxes), "" (input boxes) or a cancel
// (file dialogs). Files live in memory unless useRealFiles is set, in which case reads and
// writes go to disk as the program's own platform does.
class FakePlatform : public Platform {
public:
    struct Message {
        QString prompt;
        MessageButtons buttons;
        MessageIcon icon;
        QString title; // as shown: kAppTitle when none was given
    };
    struct FileDialog {
        bool save;
        QString filter;
        QString fileName; // the file name the dialog started from
    };

    // Scripted answers.
    QQueue<MessageAnswer> messageAnswers;
    QQueue<QString> inputAnswers;
    QQueue<std::optional<QString>> fileAnswers;
    QDate date = QDate(2026, 12, 6);
    bool numLock = false;
    bool capsLock = false;

    // What was shown.
    QList<Message> messages;
    QStringList inputPrompts;
    QList<FileDialog> fileDialogs;
    QStringList helpOpened;
    int beeps = 0;
    int endCalls = 0;

    // Clipboard: std::nullopt means it holds no text. What the program puts there also goes
    // to the system clipboard, where the text box's own Copy and Paste meet it, as they do in
    // the program.
    std::optional<QString> clipboard;

    // Files: in memory by default.
    bool useRealFiles = false;
    QHash<QString, QByteArray> files;
    QHash<QString, QString> failingReads;   // path -> reason
    QHash<QString, QString> failingWrites;  // path -> reason

    MessageAnswer messageBox(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    QString inputBox(const QString& prompt) override;
    void beep() override { ++beeps; }
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override { return clipboard.value_or(QString()); }
    QDate today() override { return date; }
    std::optional<QString> openFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;
    std::optional<QString> saveFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;
    FileStamp lookUpFile(const QString& path) override;
    ReadResult readFile(const QString& path) override;
    WriteResult writeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked) override;
    void openHelp(const QString& fileName) override { helpOpened.append(fileName); }
    bool numLockOn() override { return numLock; }
    bool capsLockOn() override { return capsLock; }
    void endProgram() override { ++endCalls; }
};

} // namespace saltor::testing
