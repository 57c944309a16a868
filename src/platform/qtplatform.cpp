#include "platform/qtplatform.h"

#include "platform/fileread.h"
#include "platform/posixfile.h"
#include "platform/singlelinebox.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QUrl>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool QtPlatform::fileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

namespace {

// Writes bytes into a device in place: a save through a temporary file would replace the
// device node itself with a regular file.
WriteResult writeInPlace(const QByteArray& name, const QByteArray& bytes)
{
    WriteResult result;
    Descriptor fd(::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        result.error = systemError(errno);
        return result;
    }
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISDIR(info.st_mode)) {
        result.error = notAFile(info.st_mode);
        return result;
    }
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd.get(), bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            result.error = systemError(errno);
            return result;
        }
        done += n;
    }
    if (fd.close() != 0) {
        result.error = systemError(errno);
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace

ReadResult QtPlatform::readFile(const QString& path)
{
    return readWholeFile(path);
}

WriteResult QtPlatform::writeFile(const QString& path, const QByteArray& bytes)
{
    WriteResult result;
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A device (such as /dev/null or /dev/full) is written in place; a folder, pipe or
        // socket is no file to save into, and opening a pipe would wait for a reader.
        if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
            return writeInPlace(name, bytes);
        result.error = notAFile(info.st_mode);
        return result;
    }
    QSaveFile file(path);
    // In a folder where no new file may be made, a file the user may write is written in
    // place: not atomic, but the only way to save it there.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    if (file.write(bytes) != bytes.size()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
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
