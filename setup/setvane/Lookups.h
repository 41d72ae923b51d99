// The plug-in's questions to the system: operating system family, documents
// folder, the synchronisation software's last device and a partnership's name.
#pragma once

#include <string>

namespace setvane {

// Working buffers hold this many characters, terminator included.
constexpr unsigned kBufferSize = 260;

// Detects the system once per process; true for the NT family.
bool isNT();
bool getMyDocuments(std::string& folder);
bool getLastDevice(std::string& device);
bool getDisplayName(const std::string& key, std::string& name);
// The partnership folder, or the documents folder, or `defaultValue`.
std::string defaultPartnershipDir(const std::string& defaultValue);

} // namespace setvane
