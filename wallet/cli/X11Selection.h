// The X11 clipboard held by this process: it owns the CLIPBOARD selection
// and hands its value to whoever asks, as UTF-8 text and with the hint
// "x-kde-passwordManagerHint" = "secret" that tells clipboard managers to
// keep no copy.
#pragma once

#include <memory>
#include <string>

class X11Selection {
public:
    explicit X11Selection(std::string value);
    ~X11Selection();
    X11Selection(const X11Selection&) = delete;
    X11Selection& operator=(const X11Selection&) = delete;

    // Connects to the display of DISPLAY and takes the clipboard; false, with
    // `error`, when the display cannot be opened or the clipboard not taken.
    bool take(std::string& error);
    // Serves requests for `seconds`, then gives the clipboard up, which
    // leaves it empty; returns earlier when another program takes it.
    void serveFor(int seconds);

private:
    struct Atoms;
    void answer(const union _XEvent& request);

    std::string value;
    struct _XDisplay* display = nullptr;
    unsigned long window = 0;
    unsigned long ownedSince = 0;
    std::unique_ptr<Atoms> atoms;
};
