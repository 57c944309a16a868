#include "shell/filecommands.h"

#include "platform/platform.h"
#include "platform/textcodec.h"
#include "shell/documentbox.h"

#include <QDir>
#include <QLabel>

namespace saltor {

namespace {

const QString kSqfFilter = QStringLiteral("SQF files (*.sqf)|*.sqf");

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

FileCommands::FileCommands(DocumentBox& document, QLabel* address, Platform& platform, QWidget* dialogParent)
    : m_document(document), m_address(address), m_platform(platform), m_dialogParent(dialogParent)
{
}

void FileCommands::newDocument()
{
    const MessageAnswer answer = m_platform.messageBox(
        QStringLiteral("All unsaved data will be lost. Do you really want to do ?"),
        MessageButtons::YesNo, MessageIcon::Question, QStringLiteral("Creating ..."));
    if (answer != MessageAnswer::Yes)
        return;
    startNewDocument();
    m_document.setFocus();
}

void FileCommands::startNewDocument()
{
    m_document.setText(QStringLiteral("// Created in Saltor Editor by Tavik\r\n"));
    m_document.setFormat(TextFormat{});
    m_address->setText(QStringLiteral("... not saved yet"));
}

void FileCommands::saveDocumentAs()
{
    saveTextFile(kSqfFilter, m_document.text(), true);
}

void FileCommands::loadTextFile()
{

    m_fileDialog.setFilter(kSqfFilter);
    const std::optional<QString> chosen =
        m_platform.openFileDialog(m_dialogParent, m_fileDialog.qtFilter(), m_fileDialog.fileName());
    if (!chosen)
        return;
    m_fileDialog.setFileName(*chosen);
    const QString path = *chosen;

    const ReadResult read = m_platform.readFile(path);
    if (!read.ok) {
        m_platform.messageBox(QStringLiteral("The file \"%1\" could not be opened.\n%2")
                                .arg(shown(path), read.error),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    DecodedText decoded = decodeText(read.bytes);
    m_document.setText(decoded.text);
    m_document.setFormat(decoded.format);
    m_address->setText(path);
}

SaveOutcome FileCommands::saveTextFile(const QString& filter, const QString& content, bool isDocument)
{

    m_fileDialog.setFilter(filter);
    QString path;
    FileStamp asked;
    for (;;) {
        const std::optional<QString> chosen =
            m_platform.saveFileDialog(m_dialogParent, m_fileDialog.qtFilter(), m_fileDialog.fileName());
        if (!chosen)
            return SaveOutcome::Cancelled;
        m_fileDialog.setFileName(*chosen);
        path = *chosen;
        // What the path leads to now is what the write must still find, however long the
        // question below stays open.
        asked = m_platform.lookUpFile(path);
        if (!asked.named)
            break;
        const MessageAnswer replace = m_platform.messageBox(
            QStringLiteral("The file \"%1\" already exists.\nDo you want to replace it?").arg(shown(path)),
            MessageButtons::YesNo, MessageIcon::Exclamation, QStringLiteral("Replacing ..."));
        if (replace == MessageAnswer::Yes)
            break;
        // No: the dialog comes back, so another name can be chosen or the save cancelled.
    }

    const TextFormat format = isDocument ? m_document.format() : TextFormat{};
    const EncodedText encoded = encodeText(content, format);
    const WriteResult written = m_platform.writeFile(path, encoded.bytes, asked);
    if (!written.ok) {
        m_platform.messageBox(QStringLiteral("The file \"%1\" could not be saved.\n%2")
                                .arg(shown(path), written.error),
                            MessageButtons::Ok, MessageIcon::Exclamation);
        return SaveOutcome::Failed;
    }
    if (isDocument) {
        m_document.setFormat(encoded.format);
        m_address->setText(path);
    }
    if (!written.note.isEmpty()) {
        m_platform.messageBox(QStringLiteral("The file \"%1\" was saved.\n%2").arg(shown(path), written.note),
                              MessageButtons::Ok, MessageIcon::Exclamation);
    }
    // Said once: the document is UTF-8 from now on.
    if (format.encoding == Encoding::Windows1250 && encoded.format.encoding == Encoding::Utf8) {
        m_platform.messageBox(
            QStringLiteral("The file \"%1\" was saved in UTF-8, not in Windows-1250: it now holds characters "
                           "that Windows-1250 cannot hold.\nIts other letters outside ASCII are now written in "
                           "UTF-8 too.")
                .arg(shown(path)),
            MessageButtons::Ok, MessageIcon::Exclamation);
    }
    return SaveOutcome::Written;
}

} // namespace saltor
