// What the windows share for one run of the program: the document, the
// person's answers, the icon catalogue, the settings and the choosers and
// sound player of the card editor and displays. The application owns them.
#pragma once

#include <QString>

class CImageServer;
class CKeldraOptions;
class CKeldraRegistry;
class CSharedPrinter;
class CWalletDoc;
class ICardEditorChoosers;
class ICardSoundPlayer;
class IUserInterface;

struct UiServices {
    CWalletDoc& document;
    IUserInterface& ui;
    CImageServer& images;
    CKeldraOptions& options;
    CKeldraRegistry& registry;
    ICardEditorChoosers& choosers;
    ICardSoundPlayer& sound;
    // The folder that relative card picture and sound paths start from.
    QString programDir;
    CSharedPrinter& printer;
};
