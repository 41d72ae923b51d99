// The question an import asks when a file's content does not tell its
// format for certain: the file's name and one choice per possible format.
#pragma once

#include "interchange/ImportFormats.h"

#include <QDialog>

#include <vector>

class QButtonGroup;

class CFormatChoiceDlg : public QDialog {
    Q_OBJECT
public:
    CFormatChoiceDlg(const QString& path, const std::vector<Interchange::Format>& candidates, bool matchedNone, QWidget* parent = nullptr);

    Interchange::Format chosenFormat() const;

private:
    std::vector<Interchange::Format> m_candidates;
    QButtonGroup* m_choices;
};
