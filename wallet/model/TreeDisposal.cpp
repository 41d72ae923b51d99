#include "model/TreeDisposal.h"

#include <system_error>

std::jthread disposeOf(std::unique_ptr<CCategory> tree)
{
    try {
        return std::jthread([owned = std::move(tree)]() mutable { owned.reset(); });
    } catch (const std::system_error&) {
        // The lambda was not made: the tree is still ours, and goes here.
        tree.reset();
        return std::jthread();
    }
}
