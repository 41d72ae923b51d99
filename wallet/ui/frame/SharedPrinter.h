// The printer the program prints on: chosen and set up once by Print Setup,
// used by Print. Made when first asked for, so that a run that never prints
// never asks the print system.
#pragma once

#include <QPrinter>

#include <memory>

class CSharedPrinter {
public:
    QPrinter& printer()
    {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }

private:
    std::unique_ptr<QPrinter> m_printer;
};
