#pragma once

#include "shell/document.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace saltor {

class Editor;
class KeyStatusBar;

// Main: the document textPreview, the file path label Address, the left column of command
// buttons, the menus and the status bar. Routes every command; the commands that open a
// dialog go through Editor::showDialog.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Editor& editor);
    ~MainWindow() override;

    Editor& editor() const { return m_editor; }
    QPlainTextEdit* textPreview() const { return m_textPreview; }
    Document& document() { return m_document; }
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

    Editor& m_editor;
    QPlainTextEdit* m_textPreview = nullptr;
    Document m_document;
    QLabel* m_address = nullptr;
    KeyStatusBar* m_statusBar = nullptr;
    QList<QPushButton*> m_commandButtons;
    QPointer<QWidget> m_activeControl;
};

} // namespace saltor
