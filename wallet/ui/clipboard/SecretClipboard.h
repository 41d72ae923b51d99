// Copies a card's value to the system clipboard, marked as a secret for
// clipboard managers, and takes it away again after 30 seconds unless
// something else was copied meanwhile. Locking the wallet takes it away at
// once, and so does the end of the program.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QMimeData;

class CSecretClipboard : public QObject {
public:
    static constexpr int kClearAfterMs = 30000;

    explicit CSecretClipboard(QObject* parent = nullptr);
    ~CSecretClipboard() override;

    void copy(const QString& value);
    // Empties the clipboard when it still holds the copied value.
    void clear();
    // The timer of the clearing (object name "secretClearTimer").
    QTimer& clearTimer() { return m_clearTimer; }

private:
    QTimer m_clearTimer;
    // The data on the clipboard; the clipboard owns and deletes it.
    QPointer<QMimeData> m_placed;
};
