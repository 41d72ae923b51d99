// Points the registry at a fresh temporary folder for the lifetime of a test.
#pragma once

#include "support/EnvScope.h"
#include "support/TempDir.h"

#include <fstream>
#include <sstream>
#include <string>

class RegistryScope {
public:
    RegistryScope() : m_env("KELDRA_REGISTRY", m_dir.path().string()) {}

    const TempDir& dir() const { return m_dir; }
    // The path of a root's file, e.g. rootFile("HKEY_LOCAL_MACHINE").
    std::string rootFile(const std::string& rootName) const { return m_dir.file(rootName + ".reg"); }

    std::string readRoot(const std::string& rootName) const
    {
        std::ifstream in(rootFile(rootName), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeRoot(const std::string& rootName, const std::string& text) const
    {
        std::ofstream(rootFile(rootName), std::ios::binary) << text;
    }

private:
    TempDir m_dir;
    EnvScope m_env;
};
