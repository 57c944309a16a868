#pragma once

#include "platform/platform.h"

namespace saltor {

// The window system of the desktop: Qt's message, input and file dialogs, the system
// clipboard, whole-file reads and writes through the system's own calls, and the key-lock
// indicators read from XKB where X11 runs.
class QtPlatform : public Platform {
public:
    MessageAnswer messageBox(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    QString inputBox(const QString& prompt) override;
    void beep() override;
    void clearClipboard() override;
    void setClipboardText(const QString& text) override;
    QString clipboardText() override;
    QDate today() override;
    std::optional<QString> openFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;
    std::optional<QString> saveFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;
    FileStamp lookUpFile(const QString& path) override;
    ReadResult readFile(const QString& path) override;
    WriteResult writeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked) override;
    void openHelp(const QString& fileName) override;
    bool numLockOn() override;
    bool capsLockOn() override;
    void endProgram() override;
};

} // namespace saltor
