#include "randomplatform.h"

#include "randomtext.h"

namespace saltor::stress {

RandomPlatform::RandomPlatform(QRandomGenerator& random, const QStringList& paths)
    : m_random(random), m_paths(paths)
{
}

MessageAnswer RandomPlatform::messageBox(const QString& prompt, MessageButtons buttons, MessageIcon icon,
                                         const QString& title)
{
    Asked question;
    question.kind = Kind::Message;
    question.prompt = prompt;
    question.title = title.isEmpty() ? kAppTitle : title;
    question.buttons = buttons;
    question.icon = icon;
    if (buttons == MessageButtons::YesNo)
        question.answer = m_random.bounded(2) ? MessageAnswer::Yes : MessageAnswer::No;
    asked.append(question);
    return question.answer;
}

QString RandomPlatform::inputBox(const QString& prompt)
{
    Asked question;
    question.kind = Kind::Input;
    question.prompt = prompt;
    // A cancelled box gives the empty text, as an empty entry does.
    question.text = m_random.bounded(5) == 0 ? QString() : randomText(m_random, false);
    asked.append(question);
    return question.text;
}

std::optional<QString> RandomPlatform::choosePath()
{
    if (m_random.bounded(5) == 0)
        return std::nullopt;
    return m_paths.at(int(m_random.bounded(m_paths.size())));
}

std::optional<QString> RandomPlatform::openFileDialog(QWidget*, const QString& qtFilter, const QString& fileName)
{
    Asked question;
    question.kind = Kind::OpenFile;
    question.filter = qtFilter;
    question.startName = fileName;
    question.path = choosePath();
    asked.append(question);
    return question.path;
}

std::optional<QString> RandomPlatform::saveFileDialog(QWidget*, const QString& qtFilter, const QString& fileName)
{
    Asked question;
    question.kind = Kind::SaveFile;
    question.filter = qtFilter;
    question.startName = fileName;
    question.path = choosePath();
    asked.append(question);
    return question.path;
}

} // namespace saltor::stress
