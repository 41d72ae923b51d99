// The bash completion script, run by bash as the shell runs it: commands,
// options, card kinds and the paths of a real wallet, which stays unchanged.
#include "CliFixture.h"

#include <cstdlib>
#include <filesystem>

namespace {

TEST_F(CliTest, BashCompletesCommandsOptionsKindsAndPaths)
{
    ok({"create", wallet, "--name", "W"});
    ok({"add-category", wallet, "My Bank"});
    ok({"add-card", wallet, "My Bank/Visa", "Credit Card"});
    ok({"add-card", wallet, "Mail", "Password"});
    const std::string before = readFile(wallet);
    const struct {
        const char* line; // the words typed, the last one being completed
        const char* offered;
    } cases[] = {
        {"keldra-cli sea", "[search]"},
        {"keldra-cli search \"$W\" --h", "[--hidden][--help]"},
        {"keldra-cli show \"$W\" --fi", "[--field]"},
        {"keldra-cli add-card \"$W\" X credit", "[creditcard]"},
        {"keldra-cli show \"$W\" M", "[My\\ Bank/][My\\ Bank/Visa][Mail]"},
        {"keldra-cli show \"$W\" My\\\\\\ Bank/", "[My\\ Bank/][My\\ Bank/Visa]"},
        {"keldra-cli import \"$W\" x.json --into \"\"", "[My\\ Bank/]"},
    };
    std::string script = "PATH='" + std::filesystem::path(KELDRA_CLI).parent_path().string() + "':$PATH\nW='" + wallet +
                         "'\nsource '" KELDRA_CLI_COMPLETION "'\n"
                         "t() { COMP_WORDS=(\"$@\"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=(); _keldra_cli; "
                         "printf '[%s]' \"${COMPREPLY[@]}\"; echo; }\n";
    std::string expected;
    for (const auto& c : cases) {
        script += std::string("t ") + c.line + "\n";
        expected += std::string(c.offered) + "\n";
    }
    writeFile(file("complete.sh"), script);
    const std::string output = file("complete.out");
    ASSERT_EQ(std::system(("bash '" + file("complete.sh") + "' > '" + output + "' 2>&1").c_str()), 0);
    EXPECT_EQ(readFile(output), expected);
    EXPECT_EQ(readFile(wallet), before);
}

} // namespace
