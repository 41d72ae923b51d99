// The key and the check block of the open wallet, process-wide. The key is
// held only while the wallet is unlocked; the check block is the stored
// (encrypted) one of the wallet file, empty when the wallet has no password.
#pragma once

class CCryptUtil;
class CSizedArray;

// The held key, or null.
CCryptUtil* documentKey();
// Replaces the held key (null drops it). A key stays alive while a caller
// still holds a reference to it.
void setDocumentKey(CCryptUtil* key);

CSizedArray& documentCheckBlock();
