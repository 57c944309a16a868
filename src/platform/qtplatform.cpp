#include "platform/qtplatform.h"

#include "platform/filelocation.h"
#include "platform/fileread.h"
#include "platform/filewrite.h"
#include "platform/singlelinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#ifdef SALTOR_HAVE_XKB
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

namespace saltor {

MessageAnswer QtPlatform::messageBox(const QString& prompt, MessageButtons buttons,
                                     MessageIcon icon, const QString& title)
{
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    title.isEmpty() ? kAppTitle : title, prompt);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString QtPlatform::inputBox(const QString& prompt)
{
    QInputDialog box;
    box.setWindowTitle(kAppTitle);
    box.setLabelText(prompt);
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(QString());
    // Room for a line of text: by itself the box is only as wide as its short prompt.
    if (auto* edit = box.findChild<QLineEdit*>()) {
        edit->setMinimumWidth(320);
        makeSingleLineBox(edit);
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return QString();
    return data->text();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

namespace {

QFileDialog::Options dialogOptions()
{
    // Qt's own dialog, so behaviour does not depend on the desktop; replacement is
    // confirmed by the caller through the message box.
    return QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite;
}

} // namespace

std::optional<QString> QtPlatform::openFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName)
{
    const QString path = QFileDialog::getOpenFileName(parent, QString(), fileName, qtFilter,
                                                      nullptr, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> QtPlatform::saveFileDialog(QWidget* parent, const QString& qtFilter,
                                                  const QString& fileName)
{
    const QString path = QFileDialog::getSaveFileName(parent, QString(), fileName, qtFilter,
                                                      nullptr, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

FileStamp QtPlatform::lookUpFile(const QString& path)
{
    return lookUpFileForSave(path);
}

ReadResult QtPlatform::readFile(const QString& path)
{
    return readWholeFile(path);
}

WriteResult QtPlatform::writeFile(const QString& path, const QByteArray& bytes, const FileStamp& asked)
{
    return writeWholeFile(path, bytes, asked);
}

void QtPlatform::openHelp(const QString& fileName)
{
    QString path = QDir::current().absoluteFilePath(fileName);
    if (!QFileInfo::exists(path))
        path = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(fileName);
    if (!QFileInfo::exists(path))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

namespace {

bool xkbIndicator(const char* name)
{
#ifdef SALTOR_HAVE_XKB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    Display* display = x11->display();
    const Atom atom = XInternAtom(display, name, False);
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return false;
    return on;
#else
    Q_UNUSED(name);
    return false;
#endif
}

} // namespace

bool QtPlatform::numLockOn()
{
    return xkbIndicator("Num Lock");
}

bool QtPlatform::capsLockOn()
{
    return xkbIndicator("Caps Lock");
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace saltor
