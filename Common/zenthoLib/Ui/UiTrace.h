// The trace log for the Qt side. The library's log header cannot be read
// after Qt's (its writer has a member Qt takes as a keyword), so Qt-side
// code writes through this.
#pragma once

// Writes "Error: " and `format` with its one "%s" replaced by `text`.
void traceFailure(const char* format, const char* text);
