#include "platform/singlelinebox.h"

#include <QLineEdit>
#include <QValidator>

#include <limits>

namespace saltor {

namespace {

// Every change of the box's text passes through validate(), by any path (keys, paste, drop,
// input method, setText), so the line breaks are replaced there, once for all of them.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        if (!input.contains(QLatin1Char('\r')) && !input.contains(QLatin1Char('\n')))
            return Acceptable;
        QString line;
        line.reserve(input.size());
        int caret = position;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == QLatin1Char('\r') && i + 1 < input.size() && input.at(i + 1) == QLatin1Char('\n')) {
                line += QLatin1Char(' ');
                if (i + 1 < position)
                    --caret;
                ++i;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                line += QLatin1Char(' ');
            } else {
                line += c;
            }
        }
        input = line;
        position = caret;
        return Acceptable;
    }
};

} // namespace

void makeSingleLineBox(QLineEdit* box)
{
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(new OneLineValidator(box));
}

} // namespace saltor
