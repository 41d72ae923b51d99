// A base folder for the icon catalogue: the wallet's own standard icons and a
// custom folder, in a temporary folder removed after the test.
#pragma once

#include "images/IconNames.h"
#include "images/ImageServer.h"
#include "platform/NativePath.h"
#include "support/IcoFile.h"
#include "support/ScriptedUserInterface.h"
#include "support/TempDir.h"
#include "zenthoLib/Base/IconLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class CatalogueTest : public ::testing::Test {
protected:
    CatalogueTest()
    {
        const auto shipped = std::filesystem::path(__FILE__).parent_path() / "../../media/icons/Standart";
        std::filesystem::create_directories(standardDir());
        std::filesystem::create_directories(customDir());
        for (const auto& entry : std::filesystem::directory_iterator(shipped))
            std::filesystem::copy_file(entry.path(), standardDir() / entry.path().filename());
    }

    std::filesystem::path standardDir() const { return base.path() / "media/icons/Standart"; }
    std::filesystem::path customDir() const { return base.path() / "media/icons/Custom"; }
    // The base folder in the Windows form the application passes, with its trailing "\".
    CString baseDir() const { return fromNativePath(base.path().string()) + "\\"; }
    CString fullPath(const char* name) const { return baseDir() + name; }

    void addCustom(const std::string& file, const ico::Bytes& bytes = ico::standardIcon())
    {
        ico::writeFile((customDir() / file).string(), bytes);
    }

    // The pixels of the image of `size` x `size` in a shipped icon file.
    std::vector<DWORD> shippedPixels(const char* file, LONG width, LONG height) const
    {
        CIconLoader loader;
        EXPECT_TRUE(loader.ReadIconFromICOFile(fromNativePath((standardDir() / file).string())));
        for (UINT i = 0; i < loader.GetIconsCount(); ++i) {
            SIZE size{};
            if (loader.GetSize(i, size) && size.cx == width && size.cy == height) {
                UniqueIcon icon(loader.MakeIconFromResource(i));
                return GetIconPixels(icon.get());
            }
        }
        return {};
    }

    TempDir base;
    ScriptedUserInterface ui;
    CImageServer server{ui};
};
