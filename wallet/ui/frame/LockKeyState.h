// The lights of the lock keys as the X server keeps them. The X headers'
// macros stay inside this module.
#pragma once

// Whether the keyboard light of that name ("Caps Lock", "Num Lock",
// "Scroll Lock") is on; false without an X server.
bool lockKeyLightOn(const char* name);
