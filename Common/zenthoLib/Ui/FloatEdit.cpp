#include "FloatEdit.h"

#include "zenthoLib/Base/FloatConvert.h"
#include "UiTrace.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMessageBox>

CFloatEdit::CFloatEdit(QWidget* parent) : QLineEdit(parent) {}

void CFloatEdit::SetBounds(double min, double max)
{
    m_min = min;
    m_max = max;
}

void CFloatEdit::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint();
    if (typed) {
        const QChar ch = text.at(0);
        const bool allowed = ch.isDigit() || ch == QLatin1Char('.') || ch == QLatin1Char('+') || (ch == QLatin1Char('-') && m_acceptNegative);
        if (!allowed)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

bool CFloatEdit::Validate()
{
    float value = 0;
    if (_ttof(text().toLatin1().constData(), value) != CE_END_OF_TEXT)
        return false;
    m_value = value;
    if (!m_checkBounds)
        return true;
    if (m_value > m_max) {
        tell("The number must be smaller than %f", m_max);
        return false;
    }
    if (m_value < m_min) {
        tell("The number must be greater than %f", m_min);
        return false;
    }
    return true;
}

void CFloatEdit::tell(const char* format, double bound)
{
    if (m_silent)
        return;
    QString message = QString::fromLatin1(format);
    message.replace(QLatin1String("%f"), QStringLiteral("%") + m_precision + QStringLiteral("f"));
    message = QString::asprintf(message.toLatin1().constData(), bound);
    if (m_messageSink)
        m_messageSink(message);
    else
        QMessageBox::warning(this, QString(), message);
}

void CFloatEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_validateOnKillFocus)
        return;
    const QWidget* next = QApplication::focusWidget();
    if (next && next->objectName() == QLatin1String("id2"))
        return;
    if (!Validate()) {
        traceFailure("Kill focus  not valid : %s", text().toLatin1().constData());
        setFocus();
    }
}
