// Making an empty card of a kind from its type id.
#pragma once

#include "model/Card.h"

#include <memory>

// The empty card of type id 0 to 26; null for any other id.
std::unique_ptr<CCard> createCard(int typeId);
