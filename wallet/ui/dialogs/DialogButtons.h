// The row of OK (id 1, the default) and Cancel (id 2) that ends the
// program's dialogs, right-aligned; the buttons accept and reject the dialog.
#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;

QHBoxLayout* okCancelRow(QDialog& dialog, const QString& okText = QStringLiteral("OK"));
