#include "shell/editcommands.h"

#include "shell/mainwindow.h"

namespace saltor {

void EditCommands::selectAll(MainWindow&) {}
void EditCommands::clear(MainWindow&) {}
void EditCommands::cut(MainWindow&) {}
void EditCommands::copy(MainWindow&) {}
void EditCommands::paste(MainWindow&) {}
void EditCommands::findCommand(MainWindow&) {}
void EditCommands::find(MainWindow&, const QString&, const QString&) {}

} // namespace saltor
