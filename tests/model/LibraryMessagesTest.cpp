#include "model/LibraryMessages.h"
#include "support/ScriptedUserInterface.h"
#include "zenthoLib/Base/LibMessage.h"

#include <gtest/gtest.h>

namespace {

TEST(LibraryMessages, GoToTheUserInterfaceWhileRouted)
{
    ScriptedUserInterface ui;
    routeLibraryMessages(&ui);
    LibMessageBox("The parameter is incorrect.", "Error");
    routeLibraryMessages(nullptr);
    LibMessageBox("after", "Error");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"The parameter is incorrect."});
    EXPECT_EQ(ui.messageTypes, std::vector<UINT>{MB_OK | MB_ICONERROR});
}

} // namespace
