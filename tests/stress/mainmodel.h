#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace saltor::stress {

// What the stress sequences know of Main: its commands and the forms they open, the text a
// new document starts with and the line end new lines take, and the files on offer.

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kHeader = QStringLiteral("// Created in Saltor Editor by Tavik\r\n");
inline const QString kNotSavedYet = QStringLiteral("... not saved yet");
inline const QString kSqfFilter = QStringLiteral("SQF files (*.sqf)");
inline const QString kLockedPath = QStringLiteral("/mem/locked.sqf");
inline const QByteArray kByteOrderMark("\xEF\xBB\xBF");

// Main's twelve buttons and its menu items that open a form.
struct Opener {
    const char* control;
    const char* form; // "" for Add note, which opens no form
};

inline constexpr std::array<Opener, 12> kMainButtons = {{
    {"createDiaryRecordButton", "createDiaryRecord"},
    {"createSimpleTaskButton", "createSimpleTask"},
    {"removeSimpleTaskButton", "removeSimpleTask"},
    {"setSimpleTaskDescriptionButton", "setSimpleTaskDescription"},
    {"setSimpleTaskDestinationButton", "setSimpleTaskDestination"},
    {"setCurrentTaskButton", "setCurrentTask"},
    {"setTaskStateButton", "setTaskState"},
    {"taskHintButton", "taskHint"},
    {"taskStateButton", "taskState"},
    {"currentTaskButton", "currentTask"},
    {"addNoteButton", ""},
    {"addCommentButton", "Addcomment"},
}};

inline constexpr std::array<Opener, 15> kMenuOpeners = {{
    {"mnuCreateDiaryRecord", "createDiaryRecord"},
    {"mnuCreateSimpleTask", "createSimpleTask"},
    {"mnuRemoveSimpleTask", "removeSimpleTask"},
    {"mnuSetSimpleTaskDescription", "setSimpleTaskDescription"},
    {"mnuSetSimpleTaskDestination", "setSimpleTaskDestination"},
    {"mnuSetCurrentTask", "setCurrentTask"},
    {"mnuSetTaskState", "setTaskState"},
    {"mnuTaskHint", "taskHint"},
    {"mnuTaskState", "taskState"},
    {"mnuCurrentTask", "currentTask"},
    {"mnuAddComment", "Addcomment"},
    {"mnuOverview", "overview"},
    {"mnuBriefing", "debriefing"},
    {"mnuMPtemplate", "MP_template"},
    {"mnuAbout", "About"},
}};

struct Command {
    const char* action;
    double weight;
};

inline constexpr std::array<Command, 14> kMenuCommands = {{
    {"mnuNew", 0.5}, {"mnuOpen", 1.0}, {"mnuSaveAs", 1.0}, {"mnuMinimize", 0.15}, {"mnuExit", 0.15},
    {"mnuSelectAll", 0.5}, {"mnuClear", 0.4}, {"mnuCut", 0.6}, {"mnuCopy", 0.5}, {"mnuPaste", 0.7},
    {"mnuFind", 0.6}, {"mnuAddNote", 0.6}, {"mnuAddDateMark", 0.5}, {"mnuHelpContents", 0.2},
}};

// The form that the named button or menu item of Main opens, or "".
QString formOpenedBy(const QString& control);

// The line end that new lines take in a document of this text: the text's own when it used
// one convention throughout, CRLF otherwise.
QString lineEndOf(const QString& document);

// The paths the file dialogs answer with: files of several encodings and line ends, an empty
// one, one that can be neither read nor written, and names that do not exist yet.
const QStringList& poolPaths();

} // namespace saltor::stress
