// The registry's files: one REGEDIT4 file per root key in the registry
// folder, read again whenever another process has replaced it, and changed
// only under the folder's lock by reading, changing and atomically replacing
// the file. Not locked against threads: the registry calls serialise access.
#pragma once

#include "platform/RegistryTree.h"

#include <functional>
#include <map>
#include <string>
#include <sys/stat.h>

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

// "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE" or "HKEY_USERS".
const char* registryRootName(RegistryRoot root);
// $KELDRA_REGISTRY when set, else $XDG_CONFIG_HOME/keldra/registry (~/.config/keldra/registry).
std::string registryFolder();

class RegistryStore {
public:
    RegistryStore() = default;
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Calls `reader` on the current keys of `root`; returns its result, or the
    // error that kept the file from being read (ERROR_BADDB for a damaged file).
    LONG read(RegistryRoot root, const std::function<LONG(const RegistryNode&)>& reader);
    // Calls `change` on a copy of the current keys under the lock. When it
    // returns ERROR_SUCCESS and the keys differ, the file is replaced; a failed
    // write (ERROR_DISK_FULL, ERROR_ACCESS_DENIED, ERROR_CANTWRITE) keeps the
    // old file and the old keys.
    LONG modify(RegistryRoot root, const std::function<LONG(RegistryNode&)>& change);

private:
    struct LoadedFile {
        int fd = -1; // keeps the file read last, so that its identity cannot be reused
        struct stat identity {};
        bool damaged = false;
        RegistryNode keys;
    };

    LONG load(RegistryRoot root, const std::string& path, LoadedFile*& file);

    std::map<std::string, LoadedFile> m_files;
};
