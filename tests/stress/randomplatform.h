#pragma once

#include "support/fakeplatform.h"

#include <QList>
#include <QRandomGenerator>
#include <QStringList>

#include <optional>

namespace saltor::stress {

// A fake platform that answers as a user clicking about would: Yes or No at random, a random
// text in an input box, a path from a small pool (or a cancel) in a file dialog. Every
// question is logged with the answer it got, so the model can follow what the program asked.
// Files live in memory (FakePlatform::files).
class RandomPlatform : public testing::FakePlatform {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile };

    struct Asked {
        Kind kind = Kind::Message;
        QString prompt;                   // message and input boxes
        QString title;                    // message boxes, as shown
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::Exclamation;
        QString filter;                   // file dialogs
        QString startName;                // file dialogs: the name they started from
        MessageAnswer answer = MessageAnswer::Ok;
        QString text;                     // input boxes
        std::optional<QString> path;      // file dialogs; nothing on a cancel
    };

    RandomPlatform(QRandomGenerator& random, const QStringList& paths);

    // What was asked since the last clear, in order.
    QList<Asked> asked;

    MessageAnswer messageBox(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                             const QString& title) override;
    QString inputBox(const QString& prompt) override;
    std::optional<QString> openFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;
    std::optional<QString> saveFileDialog(QWidget* parent, const QString& qtFilter,
                                          const QString& fileName) override;

private:
    std::optional<QString> choosePath();

    QRandomGenerator& m_random;
    QStringList m_paths;
};

} // namespace saltor::stress
