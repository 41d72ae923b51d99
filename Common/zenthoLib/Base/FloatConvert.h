// Reading a decimal number from a text: blanks, an optional sign, digits with
// at most one ".", and nothing else.
#pragma once

enum CONVERTION_ERRORS {
    // A character other than a digit or a first "." was found.
    CE_BAD_CHARACTER = 1,
    // The integer part grew beyond 1.7976931348623158e307.
    CE_TOO_BIG = 2,
    // A fraction digit's place value fell below the smallest normal double.
    CE_TOO_SMALL = 3,
    // The whole text was read; the value is set.
    CE_END_OF_TEXT = 4,
};

// The value of `text` in `out` with CE_END_OF_TEXT (an empty text gives 0);
// on any other code `out` is 0.
CONVERTION_ERRORS _ttod(const char* text, double& out);
CONVERTION_ERRORS _ttof(const char* text, float& out);
