// Freeing a large node tree takes a while (a block per node, field list and
// long text); the open hands the tree it no longer needs to a thread of its
// own and goes on meanwhile.
#pragma once

#include "model/Category.h"

#include <memory>
#include <thread>

// Frees `tree` on a new thread; the returned thread joins when it goes out of
// scope. Where no thread can be started, the tree is freed at once.
std::jthread disposeOf(std::unique_ptr<CCategory> tree);
