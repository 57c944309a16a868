#include "support/fakeplatform.h"

#include "platform/qtplatform.h"

#include <QClipboard>
#include <QGuiApplication>

namespace saltor::testing {

void FakePlatform::clearClipboard()
{
    clipboard.reset();
    QGuiApplication::clipboard()->clear();
}

void FakePlatform::setClipboardText(const QString& text)
{
    clipboard = text;
    QGuiApplication::clipboard()->setText(text);
}

MessageAnswer FakePlatform::messageBox(const QString& prompt, MessageButtons buttons,
                                       MessageIcon icon, const QString& title)
{
    messages.append({prompt, buttons, icon, title.isEmpty() ? kAppTitle : title});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return messageAnswers.isEmpty() ? MessageAnswer::No : messageAnswers.dequeue();
}

QString FakePlatform::inputBox(const QString& prompt)
{
    inputPrompts.append(prompt);
    return inputAnswers.isEmpty() ? QString() : inputAnswers.dequeue();
}

std::optional<QString> FakePlatform::openFileDialog(QWidget*, const QString& qtFilter,
                                                    const QString& fileName)
{
    fileDialogs.append({false, qtFilter, fileName});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QString> FakePlatform::saveFileDialog(QWidget*, const QString& qtFilter,
                                                    const QString& fileName)
{
    fileDialogs.append({true, qtFilter, fileName});
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

FileStamp FakePlatform::lookUpFile(const QString& path)
{
    if (useRealFiles)
        return QtPlatform().lookUpFile(path);
    FileStamp stamp;
    stamp.named = files.contains(path);
    return stamp;
}

ReadResult FakePlatform::readFile(const QString& path)
{
    if (failingReads.contains(path))
        return {false, {}, failingReads.value(path)};
    if (useRealFiles)
        return QtPlatform().readFile(path);
    if (!files.contains(path))
        return {false, {}, QStringLiteral("No such file or directory")};
    return {true, files.value(path), {}};
}

WriteResult FakePlatform::writeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked)
{
    if (failingWrites.contains(path))
        return {false, failingWrites.value(path), {}};
    if (useRealFiles)
        return QtPlatform().writeFile(path, bytes, asked);
    files.insert(path, bytes);
    return {true, {}, {}};
}

} // namespace saltor::testing
