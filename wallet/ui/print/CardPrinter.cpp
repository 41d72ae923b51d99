#include "print/CardPrinter.h"

#include "cards/show/CardDisplayFactory.h"
#include "cards/show/ShowCardDialog.h"
#include "model/Card.h"
#include "model/Category.h"
#include "print/PrintTexts.h"
#include "zenthoLib/Base/UserInterface.h"
#include "zenthoLib/Ui/QtText.h"

#include <QPainter>
#include <QPrinter>

#include <memory>
#include <vector>

namespace {

constexpr int kFreeFormTypeId = 10;

// The cards that get a cell, in list order.
std::vector<CCard*> printedCards(const CCategory& category)
{
    std::vector<CCard*> cards;
    for (const auto& card : category.getCards())
        if (card->getTypeId() != kFreeFormTypeId)
            cards.push_back(card.get());
    return cards;
}

} // namespace

CString printJobName(const CCategory& category)
{
    const CCategory* root = &category;
    while (root->getParent())
        root = root->getParent();
    return root == &category ? root->getName() : root->getName() + " : " + category.getName();
}

void CCardPrinter::print(const CCategory& category, QPrinter& printer)
{
    printer.setDocName(toQString(printJobName(category)));
    // The page's printable area in device pixels, and the device pixels of one logical unit.
    const int pageWidth = printer.width();
    const int pageHeight = printer.height();
    const double xScale = static_cast<double>(printer.logicalDpiX()) / kUnitsPerInch;
    const double yScale = static_cast<double>(printer.logicalDpiY()) / kUnitsPerInch;
    if (category.getCards().empty())
        return showMessage(PrintTexts::kNoCards);

    // A cell is used only when it lies wholly inside the printable area: a
    // page without room for one would never take a card.
    const int cellWidth = qRound(kCellWidth * xScale);
    const int cellHeight = qRound(kCellHeight * yScale);
    if (cellWidth >= pageWidth || cellHeight >= pageHeight)
        return showMessage(PrintTexts::kCellTooBig);
    QPainter painter;
    if (!painter.begin(&printer))
        return showMessage(PrintTexts::kNoInit);

    const std::vector<CCard*> cards = printedCards(category);
    auto next = cards.begin();
    for (bool firstPage = true; firstPage || next != cards.end(); firstPage = false) {
        if (!firstPage && !printer.newPage()) {
            printer.abort();
            painter.end();
            return showMessage(PrintTexts::kNoPage);
        }
        for (int y = 0; y + cellHeight < pageHeight && next != cards.end(); y += cellHeight)
            for (int x = 0; x + cellWidth < pageWidth && next != cards.end(); x += cellWidth) {
                std::unique_ptr<CShowCardDialog> display(createCardDisplay(**next++, m_sound, m_programDir, nullptr));
                if (!display)
                    continue;
                display->setPrintMode(true);
                painter.setTransform(QTransform(xScale, 0, 0, yScale, x, y));
                display->paintCard(painter, QRect(0, 0, kCellWidth, kCellHeight));
            }
    }
    painter.end();
}

void CCardPrinter::showMessage(const char* text) { m_ui.messageBox(text, MB_OK); }
