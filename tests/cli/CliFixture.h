// A temporary folder with its own registry and drive C for each test, and
// the wallet file the test works on.
#pragma once

#include "CliRun.h"
#include "support/EnvScope.h"
#include "support/RegistryScope.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

class CliTest : public ::testing::Test {
protected:
    CliTest() : driveC("KELDRA_DRIVE_C", dir.path().string()) {}

    std::string file(const std::string& name) const { return dir.file(name); }
    // A file holding `password` as its first line.
    std::string passwordFile(const std::string& password)
    {
        const std::string path = file("pw" + std::to_string(++passwordFiles));
        writeFile(path, password + "\n");
        return path;
    }
    // Runs a command that must succeed.
    CliResult ok(const std::vector<std::string>& args, const std::string& stdinText = "")
    {
        CliResult result = runCli(args, stdinText);
        EXPECT_EQ(result.status, 0) << args[0] << ": " << result.err;
        return result;
    }

    TempDir dir;
    RegistryScope registry;
    EnvScope driveC;
    const std::string wallet = dir.file("test.wal");
    int passwordFiles = 0;
};
