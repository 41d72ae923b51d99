// The icons of the first wallet file version, which stored a category's icon
// as a number into a fixed table of card types.
#pragma once

// The image index a version-1 category shows for its stored icon number:
// the default icon of the card type the table names, else the default
// category icon (also for numbers the table does not cover).
int legacyCategoryIconIndex(int legacyNumber);
