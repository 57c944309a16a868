#pragma once

#include "shell/form.h"

namespace saltor {

// The About box: a borderless red window under a picture with "ver.: 1.4"; a click on the
// picture closes it. No key does anything in it.
class AboutBox : public Form {
    Q_OBJECT
public:
    explicit AboutBox(Editor& editor);

    void Picture1_Click();

protected:
    void escapePressed() override {}
    void closeRequested() override;
};

} // namespace saltor
