#include "clipboard/SecretClipboard.h"

#include "clipboard/ClipboardTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

CSecretClipboard::CSecretClipboard(QObject* parent) : QObject(parent)
{
    m_clearTimer.setObjectName(QStringLiteral("secretClearTimer"));
    m_clearTimer.setSingleShot(true);
    m_clearTimer.setInterval(kClearAfterMs);
    connect(&m_clearTimer, &QTimer::timeout, this, &CSecretClipboard::clear);
}

CSecretClipboard::~CSecretClipboard() { clear(); }

void CSecretClipboard::copy(const QString& value)
{
    auto* data = new QMimeData;
    data->setText(value);
    data->setData(QString::fromLatin1(ClipboardTexts::kPasswordHintFormat), QByteArray(ClipboardTexts::kSecretHint));
    QGuiApplication::clipboard()->setMimeData(data);
    m_placed = data;
    m_clearTimer.start();
}

void CSecretClipboard::clear()
{
    m_clearTimer.stop();
    // Data that is gone was replaced or went with the application.
    if (!m_placed)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->mimeData() == m_placed)
        clipboard->clear();
    m_placed = nullptr;
}
