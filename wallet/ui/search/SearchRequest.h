// What the Search dialog gives on OK: the text and how to look for it.
#pragma once

#include <QString>

struct SearchRequest {
    QString text;
    bool includeHidden = false;
    bool caseSensitive = false;
    bool decryptCategories = false;
};
