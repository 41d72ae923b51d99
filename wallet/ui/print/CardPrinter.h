// Prints the cards of a category as card pictures in a grid of cells of
// 2.5 x 2 inches, row by row, left to right, as many pages as they need.
// Each card is drawn by the display of its kind in print mode, as vectors;
// free-form cards have no picture and are left out.
#pragma once

#include "platform/CString.h"

class CCategory;
class ICardSoundPlayer;
class IUserInterface;
class QPrinter;

class CCardPrinter {
public:
    // Logical units per inch on both axes, and the cell of one card in them.
    static constexpr int kUnitsPerInch = 100;
    static constexpr int kCellWidth = 250;
    static constexpr int kCellHeight = 200;

    CCardPrinter(IUserInterface& ui, ICardSoundPlayer& sound, const CString& programDir) : m_ui(ui), m_sound(sound), m_programDir(programDir) {}

    // Prints the category's cards on `printer`, set up already; tells the
    // person when there is nothing to print or the printer fails.
    void print(const CCategory& category, QPrinter& printer);

private:
    void showMessage(const char* text);

    IUserInterface& m_ui;
    ICardSoundPlayer& m_sound;
    CString m_programDir;
};

// The name of the job: the wallet's name, and " : " with the category's name
// unless the category is the wallet's root.
CString printJobName(const CCategory& category);
