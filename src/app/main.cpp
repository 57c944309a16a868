#include "app/formtable.h"
#include "platform/qtplatform.h"
#include "shell/editor.h"
#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Saltor Editor"));
    saltor::QtPlatform platform;
    saltor::Editor editor(platform);
    saltor::registerForms(editor);
    editor.main().show();
    return QApplication::exec();
}
