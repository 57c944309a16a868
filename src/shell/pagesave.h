#pragma once

#include <QString>

namespace saltor {

class Form;

// The end of a page generator's Create: lets the user choose where to write page in the shared
// file dialog with filter, and writes it. Written or cancelled, the generator closes through
// the dialog guard. After a failed write (already named in a message) it stays open with
// everything typed and comes back in front of Main, which the window manager raised with the
// file dialog and the message, so that another file can be chosen.
void savePageAndClose(Form& generator, const QString& filter, const QString& page);

} // namespace saltor
