// One link of the command chain: the focused view, the document's commands,
// the main frame and the application each answer for the ids they handle.
#pragma once

#include <optional>

class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;

    // Runs command `id`; false when this target does not handle it.
    virtual bool runCommand(int id) = 0;
    // Whether command `id` is enabled; none when this target does not answer for it.
    virtual std::optional<bool> commandEnabled(int id) = 0;
};
