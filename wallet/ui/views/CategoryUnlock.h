// Opening the sealed cards of an encrypted category when a view needs them:
// the password is asked for when no key is held, and a failure to decrypt
// is told to the person.
#pragma once

struct UiServices;
class CCategory;

// False when the key was refused or the cards could not be decrypted.
bool openSealedCategory(UiServices& services, CCategory& category);
