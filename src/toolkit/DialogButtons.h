#pragma once
// OK and Cancel, wired to the dialog's accept and reject.
class QDialog;
class QDialogButtonBox;

QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);
