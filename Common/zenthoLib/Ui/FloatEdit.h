// An edit control for decimal numbers: it takes only digits, ".", "+", "-"
// and backspace, and checks its value against bounds.
#pragma once

#include <QLineEdit>

#include <functional>

class CFloatEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CFloatEdit(QWidget* parent = nullptr);

    void SetBounds(double min, double max);
    // Whether "-" may be typed.
    void SetAcceptNegative(bool accept) { m_acceptNegative = accept; }
    // The printf width and precision the bounds are shown with in messages ("6.2").
    void SetPrecisionString(const QString& precision) { m_precision = precision; }
    // Whether the value is checked when the control loses the focus.
    void SetValidateTime(bool onKillFocus) { m_validateOnKillFocus = onKillFocus; }
    // Whether a check compares with the bounds or only asks for a number.
    void SetValidateMode(bool checkBounds) { m_checkBounds = checkBounds; }
    // A silent control tells the user nothing when a check fails.
    void SetSilentMode(bool silent) { m_silent = silent; }
    // Where messages go; a message box unless replaced.
    void setMessageSink(std::function<void(const QString&)> sink) { m_messageSink = std::move(sink); }

    // Converts the text; true when it is a number within the bounds.
    bool Validate();
    double value() const { return m_value; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void tell(const char* format, double bound);

    double m_min = -1e308;
    double m_max = 1e308;
    double m_value = 0;
    bool m_acceptNegative = true;
    bool m_validateOnKillFocus = true;
    bool m_checkBounds = true;
    bool m_silent = false;
    QString m_precision = QStringLiteral("6.2");
    std::function<void(const QString&)> m_messageSink;
};
