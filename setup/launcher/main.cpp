// keldra: what users start. It does the per-user installation step when the
// user has no settings of Keldra yet, then becomes the program Wallet with
// the same arguments.
#include "UserInstallation.h"

#include "zenthoLib/Base/UserInterface.h"
#include "platform/CString.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>
#include <vector>

namespace {

// The launcher's questions have nobody to answer them: messages go to
// standard error and every question gets the safe answer.
class StandardErrorInterface : public IUserInterface {
public:
    int messageBox(const CString& text, UINT type) override
    {
        std::cerr << "keldra: " << text.GetString() << std::endl;
        return (type & 0xF) == MB_OK ? IDOK : (type & 0xF) == MB_YESNO ? IDNO : IDCANCEL;
    }
    bool askPassword(PasswordMode, PasswordEntry&) override { return false; }
    bool chooseSaveFile(const CString&, const CString&, CString&) override { return false; }
    void requestQuit(int) override {}
};

// The installed layout, found from where this launcher lies: the program and
// the data folders keep their places relative to it.
InstallLayout installedLayout()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path prefix = self.parent_path() / KELDRA_PREFIX_FROM_BINDIR;
    return {(prefix / KELDRA_PROGRAM_DIR).lexically_normal().string(),
            (prefix / KELDRA_DATA_DIR).lexically_normal().string()};
}

} // namespace

int main(int argc, char** argv)
{
    StandardErrorInterface ui;
    const InstallLayout layout = installedLayout();
    prepareUserInstallation(layout, userDocumentsFolder(), ui);

    std::vector<char*> arguments(argv, argv + argc);
    const std::string program = layout.program();
    arguments[0] = const_cast<char*>(program.c_str());
    arguments.push_back(nullptr);
    execv(program.c_str(), arguments.data());
    std::cerr << "keldra: cannot start " << program << ": " << std::strerror(errno) << std::endl;
    return 1;
}
