// Making the display that matches a card's kind.
#pragma once

#include "platform/CString.h"

class CCard;
class CShowCardDialog;
class ICardSoundPlayer;
class QWidget;

// The display of `card`, owned by `parent`; null for a card of no known kind.
CShowCardDialog* createCardDisplay(CCard& card, ICardSoundPlayer& sound, const CString& programDir, QWidget* parent);
