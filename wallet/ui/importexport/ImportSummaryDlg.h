// The end of an import: what it made (categories, cards per kind, values
// moved into notes) and every entry it skipped with the reason, in a box
// that scrolls when the list is long.
#pragma once

#include <QDialog>

class CImportSummaryDlg : public QDialog {
    Q_OBJECT
public:
    CImportSummaryDlg(const QString& summary, QWidget* parent = nullptr);
};
