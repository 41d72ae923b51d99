// The print dialog of the Print command. The program runs the system's
// dialog; tests set the printer up themselves, so no modal loop runs.
#pragma once

class QPrinter;
class QWidget;

class IPrintDialogs {
public:
    virtual ~IPrintDialogs() = default;

    // Lets the person choose and set up `printer`; false on Cancel.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

class CQtPrintDialogs : public IPrintDialogs {
public:
    explicit CQtPrintDialogs(QWidget* parent) : m_parent(parent) {}

    bool choosePrinter(QPrinter& printer) override;

private:
    QWidget* m_parent;
};
