#pragma once

namespace saltor {

class Form;
class HostDialog;

// The markup guard: the dialog guard one level down, between a host dialog and the inline
// markup dialog open on top of it.

// Keeps the host's focus control, disables the host, then its hostDialogButtons in order.
// Main is not touched: the host's own dialog guard keeps it disabled.
void openMarkupGuard(HostDialog* host);
// Unloads the markup dialog, enables the host and its hostDialogButtons in order, and gives
// the host the focus, on the control that had it when the guard opened (when that control
// still exists). Main stays disabled until the host itself closes.
void closeMarkupGuard(Form* markupDialog, HostDialog* host);

} // namespace saltor
