// "Open File": asked at start-up when the last wallet is gone. "Open Existing"
// (the default) and "Create New" both close the dialog as accepted; the
// choice says which the person took.
#pragma once

#include <QDialog>

class CLastOpenedFileDoesnotExistPrompt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kOpenExistingId = 1183;
    static constexpr int kCreateNewId = 1184;

    explicit CLastOpenedFileDoesnotExistPrompt(QWidget* parent = nullptr);

    // True also before any click.
    bool opensExisting() const { return m_opensExisting; }

private:
    void choose(bool openExisting);

    bool m_opensExisting = true;
};
