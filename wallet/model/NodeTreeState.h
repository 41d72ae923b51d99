// The values that belong to the one node tree of the running application and
// the services the tree asks of its surroundings: the icon numbering, the
// sealing of the cards of encrypted categories and the person's screen.
#pragma once

#include "platform/CString.h"

class IIconIndex;
class ICardSealer;
class IUserInterface;

namespace NodeTreeState {

// While on, positions are noted as pending (the tree is being written to a new file).
bool rewriteMode();
void setRewriteMode(bool on);

// Written into every category record; the last category read sets it.
int orderFlag();
void setOrderFlag(int value);

// The icon numbering; the icon names without custom icons until the catalogue
// installs itself. Null restores that default.
const IIconIndex& iconIndex();
void setIconIndex(const IIconIndex* index);

// The sealing of cards; null while no encryption is available.
ICardSealer* cardSealer();
void setCardSealer(ICardSealer* sealer);

// Where the tree's messages go; without one they go to the debug output.
void setUserInterface(IUserInterface* ui);
void showMessage(const CString& text);

} // namespace NodeTreeState
