// Every dialog of the wallet is passed through the fixer once its controls
// are placed: the dialog and each control shrink to 85 % (positions and
// sizes alike), and controls that still carry the raw system font get the
// dialog font, "MS Sans Serif" at 9 points.
//
// A control carries the raw system font when its font's face is "System"
// (in any case) or when it never got a font of its own; a control with a
// font set on purpose keeps it.
#pragma once

#include <QFont>

#include <optional>

class QWidget;

class CDialogFixer {
public:
    static constexpr double kScale = 0.85;

    CDialogFixer() = default;
    // A fixer that hands out `font` instead of its own.
    explicit CDialogFixer(const QFont& font) : m_font(font) {}
    virtual ~CDialogFixer() = default;

    // Shrinks `dialog` and its controls in place, keeping the dialog's
    // top-left corner, fixes the fonts and shows the OK button (object name
    // "id1"). Always 1.
    int fixDialog(QWidget* dialog);
    // The dialog font; made on first use for the screen's vertical resolution.
    const QFont& font();

    double xScale = kScale;
    double yScale = kScale;

private:
    void fixWindow(QWidget* window);

    std::optional<QFont> m_font;
};

// The same for a form view and its children.
class CFormFixer {
public:
    int fixForm(QWidget* view) { return m_fixer.fixDialog(view); }

private:
    CDialogFixer m_fixer;
};

// The library's one fixer, which every wallet dialog applies.
extern CDialogFixer gDialogFixer;
