// The desktop's clipboard for one secret value: put on it marked as a
// secret, so that clipboard managers keep no copy, and cleared after a
// while unless something else was copied meanwhile.
#pragma once

#include <string>

// Returns once the value is on the clipboard; a background process, detached
// from the terminal and holding nothing of the wallet, keeps it there for
// `seconds` and then clears it. X11 (DISPLAY) is served by the tool itself,
// which offers the text together with "x-kde-passwordManagerHint" =
// "secret"; Wayland (WAYLAND_DISPLAY) through wl-copy and wl-paste from
// wl-clipboard. False, with `error` saying why, when no clipboard is there.
bool copySecretToClipboard(const std::string& value, int seconds, std::string& error);
