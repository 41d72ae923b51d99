// Naming a node of the wallet on the command line.
//
// A path lists the names from the root down, separated by "/"; a leading "/"
// may be written, and "" or "/" alone is the root itself. Inside a name, "\/"
// stands for "/", "\\" for "\" and "\[" for "[". When several nodes of one
// category carry the same name, "[N]" at the end of a step picks the N-th of
// them (from 1, subcategories before cards, each list in its order).
#pragma once

#include "platform/CString.h"

#include <optional>
#include <string>
#include <vector>

class CCategory;
class CNode;

struct PathStep {
    CString name;
    // The N-th node of that name (from 1); 0 when the name alone must do.
    int occurrence = 0;
};

// The steps of a path typed in UTF-8; nothing and `error` set when it is malformed.
std::optional<std::vector<PathStep>> parseNodePath(const std::string& path, std::string& error);

// A name written as one step of a path.
std::string escapePathName(const CString& name);
// The path of a node, "/" for the root, with "[N]" where its name is shared.
std::string nodePath(const CNode& node);

struct PathLookup {
    CNode* node = nullptr;
    // Why nothing was found: a missing step or an ambiguous one with its candidates.
    std::string error;
};

// Finds the node a path names below `root`.
PathLookup findNode(CCategory& root, const std::vector<PathStep>& steps);
