// What the card display's context menu offers to copy: one entry for every
// field of the card that holds a value, in the order of the card's export
// lines, captioned "Copy " and the field's label ("Copy Card Number").
#pragma once

#include <QString>

#include <vector>

class CCard;

struct FieldCopy {
    QString caption;
    QString value;
};

std::vector<FieldCopy> cardFieldCopies(const CCard& card);
