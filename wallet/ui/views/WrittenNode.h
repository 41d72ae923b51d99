// The node a "written anew" hint is about: a card's update names the
// category, the neighbour and then the card; every other write names the node first.
#pragma once

#include "model/UpdateHint.h"

inline CNode& writtenNode(const UpdateHint& hint) { return hint.third ? *hint.third : *hint.first; }
