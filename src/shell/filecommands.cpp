#include "shell/filecommands.h"

#include "platform/platform.h"
#include "platform/textcodec.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>

namespace saltor {

namespace {

const QString kSqfFilter = QStringLiteral("SQF files (*.sqf)|*.sqf");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

void FileCommands::newDocument(Editor& editor)
{
    const MessageAnswer answer = editor.platform().messageBox(
        QStringLiteral("All unsaved data will be lost. Do you really want to do ?"),
        MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Creating ..."));
    if (answer != MessageAnswer::Yes)
        return;
    startNewDocument(editor.main());
    editor.main().textPreview()->setFocus();
}

void FileCommands::startNewDocument(MainWindow& main)
{
    main.document().setText(QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
    main.document().setFormat(TextFormat{});
    main.address()->setText(QStringLiteral("... not saved yet"));
}

void FileCommands::saveDocumentAs(Editor& editor)
{
    saveTextFile(editor, kSqfFilter, editor.main().document().text(), true);
}

void FileCommands::loadTextFile(Editor& editor)
{
    Platform& platform = editor.platform();
    FileDialogState& dialog = editor.fileDialog();
    MainWindow& main = editor.main();

    dialog.setFilter(kSqfFilter);
    const std::optional<QString> chosen =
        platform.openFileDialog(&main, dialog.qtFilter(), dialog.fileName());
    if (!chosen)
        return;
    dialog.setFileName(*chosen);
    const QString path = *chosen;

    const ReadResult read = platform.readFile(path);
    if (!read.ok) {
        platform.messageBox(QStringLiteral("The file \"%1\" could not be opened.\n%2")
                                .arg(shown(path), read.error),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    DecodedText decoded = decodeText(read.bytes);
    main.document().setText(decoded.text);
    main.document().setFormat(decoded.format);
    main.address()->setText(path);
}

SaveOutcome FileCommands::saveTextFile(Editor& editor, const QString& filter, const QString& content,
                                       bool isDocument)
{
    Platform& platform = editor.platform();
    FileDialogState& dialog = editor.fileDialog();
    MainWindow& main = editor.main();

    dialog.setFilter(filter);
    QString path;
    for (;;) {
        const std::optional<QString> chosen =
            platform.saveFileDialog(&main, dialog.qtFilter(), dialog.fileName());
        if (!chosen)
            return SaveOutcome::Cancelled;
        dialog.setFileName(*chosen);
        path = *chosen;
        if (!platform.fileExists(path))
            break;
        const MessageAnswer replace = platform.messageBox(
            QStringLiteral("The file \"%1\" already exists.\nDo you want to replace it?").arg(shown(path)),
            MessageButtons::YesNo, MessageIcon::Exclamation, QStringLiteral("Replacing ..."));
        if (replace == MessageAnswer::Yes)
            break;
        // No: the dialog comes back, so another name can be chosen or the save cancelled.
    }

    const TextFormat format = isDocument ? main.document().format() : TextFormat{};
    const EncodedText encoded = encodeText(content, format);
    const WriteResult written = platform.writeFile(path, encoded.bytes);
    if (!written.ok) {
        platform.messageBox(QStringLiteral("The file \"%1\" could not be saved.\n%2")
                                .arg(shown(path), written.error),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return SaveOutcome::Failed;
    }
    if (isDocument) {
        main.document().setFormat(encoded.format);
        main.address()->setText(path);
    }
    return SaveOutcome::Written;
}

} // namespace saltor
