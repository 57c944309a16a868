#pragma once

#include "randomplatform.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace saltor {
class Editor;
class Form;
class MainWindow;
} // namespace saltor

namespace saltor::stress {

// One random sequence of user actions played through the real forms, with a small model of
// what must hold checked after every step: the dialog guard and the markup guard, which forms
// are loaded, the document (it changes only by the one piece a successful action appends, or
// by the File and Edit commands), the file path, the caret, the files, and what the program
// asked the user. A seed always plays the same sequence.
class Sequence {
public:
    Sequence(quint32 seed, bool traceSteps);
    ~Sequence();

    // Plays 20 to 40 actions (fewer when the user exits); false at the first broken rule.
    bool play();
    int stepsPlayed() const { return m_played; }
    // "seed S, step N (action): what broke", then every action up to it.
    QString failure() const;
    // How often each kind of action and outcome happened.
    const QMap<QString, int>& counts() const { return m_counts; }

private:
    enum class Format { Utf8, Utf8Bom, Unknown };
    enum class SaveOutcome { Written, Cancelled, Failed, Broken };
    struct Candidate {
        double weight;
        QString what;
        std::function<void()> run;
    };

    MainWindow& main() const;
    Form* form(const QString& name) const;

    // Choosing what the user does next, among what the user can reach.
    QList<Candidate> candidates();
    void addMainCandidates(QList<Candidate>& list);
    void addDialogCandidates(QList<Candidate>& list, Form* top);

    // Main.
    void clickMainButton(const QString& name);
    void triggerMenu(const QString& name);
    // Types typed, or random text where none is given.
    void typeIntoDocument(const std::optional<QString>& typed = std::nullopt);
    void keyTextIntoDocument();
    void inputMethodIntoDocument();
    void enterOnEmptyLine();
    void openFromLineStart();
    QList<int> emptyLineStarts() const;
    void selectEndingAtOneOf(const QList<int>& ends);
    void selectInDocument();
    void closeMain();
    void restoreMain();
    void clickDisabledMainButton();
    void keysIntoDisabledMain();
    void newDocument();
    void openDocument();
    void exitQuestion();
    void selectAll();
    void clearDocument();
    void cutCopyPaste(const QString& command);
    void find();
    void note();

    // The open dialogs.
    void clickDialogButton(QPushButton* button);
    void clickAction(Form* dialog, QPushButton* button);
    void clickPageAction(Form* dialog, QPushButton* button);
    void clickLineBreak(Form* dialog, QPushButton* button);
    void clickTickable(QWidget* control);
    void pickTab(QTabWidget* tabs);
    void typeIntoBox(QWidget* box);
    void pressEscape(Form* top);
    void pressEnter(Form* top);
    void press(QAbstractButton* button);
    void closeWindow(Form* top);
    void clickAboutPicture(QLabel* picture);
    void closeDisabledHost();
    void clickIntoDisabledHost();

    // Expectations.
    void expectOpened(const QString& name);
    void expectClosing(Form* dialog, const std::function<void()>& act);
    void expectNothing(const std::function<void()>& act);
    void expectUnloaded(const QPointer<Form>& dialog, const QString& name);
    void expectAppended(const QString& piece);
    SaveOutcome expectSave(const QString& filter, const QString& content, bool isDocument);
    const RandomPlatform::Asked* nextAsked(RandomPlatform::Kind kind, const QString& what);
    const RandomPlatform::Asked* expectMessage(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                                               const QString& title);
    void expectFailureNamed(const QString& path);
    void checkFileDialog(const RandomPlatform::Asked& dialog, const QString& filter);
    void rebaselineCursor();
    void expectUndoAndRedo(const QString& before);
    void checkAfterStep();
    QString snapshot() const;

    void fail(const QString& why);
    void note(const QString& detail);
    void count(const QString& what) { ++m_counts[what]; }
    bool chance(int inHundred) { return int(m_random.bounded(100)) < inHundred; }

    void seedFiles();
    void addFile(const QString& path, const QByteArray& bytes, const QString& text, Format format);

    const quint32 m_seed;
    const bool m_traceSteps;
    QRandomGenerator m_random;
    RandomPlatform m_platform;
    std::unique_ptr<Editor> m_editor;

    // The model.
    QString m_doc;
    QString m_lineEnd;
    Format m_docFormat = Format::Utf8;
    QString m_address;
    QString m_lastPath;
    QHash<QString, QString> m_fileTexts;
    QHash<QString, Format> m_fileFormats;
    QString m_mainDialog;
    QString m_markupDialog;
    int m_anchor = 0;
    int m_position = 0;
    int m_beeps = 0;
    int m_helps = 0;
    int m_ends = 0;
    bool m_minimized = false;
    bool m_ended = false;
    QList<QPointer<Form>> m_unloaded;
    qsizetype m_askedRead = 0;

    // Reporting.
    int m_step = 0;
    int m_played = 0;
    QStringList m_trace;
    QString m_failure;
    QMap<QString, int> m_counts;
};

} // namespace saltor::stress
