#pragma once

#include "shell/documentbox.h"
#include "shell/editcommands.h"
#include "shell/filecommands.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QPushButton;

namespace saltor {

class DialogOpener;
class KeyStatusBar;
class Platform;

// Main: the document textPreview, the file path label Address, the left column of command
// buttons, the menus and the status bar. Routes every command; the commands that open a
// dialog ask dialogs to show it by its form name.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, DialogOpener& dialogs);
    ~MainWindow() override;

    // The Document, in its text box.
    DocumentBox* textPreview() const { return m_textPreview; }
    // New, Open, Save As and the common file dialog, which the page generators share.
    FileCommands& files() { return m_files; }
    QLabel* address() const { return m_address; }

    // The twelve command buttons in the fixed order in which the dialog guard switches them.
    const QList<QPushButton*>& mainCommandButtons() const { return m_commandButtons; }

    // Disabling a window takes the focus from its control. The dialog guard keeps Main's
    // focus control before it disables Main, and SetFocus (the guard's last step) brings Main
    // back restored (also from minimised), activates it and gives the focus back to that
    // control, or to the document when none was kept.
    void keepActiveControl();
    void SetFocus();

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSaveAs_Click();
    void mnuMinimize_Click();
    void mnuExit_Click();
    void mnuSelectAll_Click();
    void mnuClear_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuFind_Click();
    void addNoteButton_Click();
    void mnuAddDateMark_Click();
    void mnuHelpContents_Click();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createLeftColumn();
    QWidget* createPreviewColumn();
    void createMenus();
    void connectCommands();

    Platform& m_platform;
    DialogOpener& m_dialogs;
    DocumentBox* m_textPreview = nullptr;
    QLabel* m_address = nullptr;
    EditCommands m_edit;
    FileCommands m_files;
    KeyStatusBar* m_statusBar = nullptr;
    QList<QPushButton*> m_commandButtons;
    QPointer<QWidget> m_activeControl;
};

} // namespace saltor
