// The clip command on a real X server (Xvfb): xclip reads the value back,
// sees the hint that marks it secret, and finds it gone after the interval
// unless something else was copied meanwhile.
#include "CliFixture.h"
#include "support/EnvScope.h"

#include <cstdlib>
#include <filesystem>

namespace {

bool onPath(const std::string& tool) { return std::system(("command -v " + tool + " > /dev/null 2>&1").c_str()) == 0; }

class CliClipTest : public CliTest {
protected:
    void SetUp() override
    {
        ok({"create", wallet, "--name", "W"});
        ok({"add-card", wallet, "Bank", "Bank Account", "pin=4321", "bankName=North Bank"});
    }

    // Runs the shell lines on a fresh X server; their output, with "$CLI" the tool and "$W" the wallet.
    std::string onXServer(const std::string& lines)
    {
        const std::string script = file("clip.sh");
        const std::string output = file("clip.out");
        writeFile(script, "CLI='" KELDRA_CLI "'\nW='" + wallet + "'\n" + lines);
        // xvfb-run -a picks a free display number with a race of its own:
        // one X server at a time, whatever else runs beside.
        EXPECT_EQ(std::system(("flock /tmp/keldra-test-xvfb.lock xvfb-run -a sh '" + script + "' > '" + output + "' 2>&1").c_str()), 0);
        return readFile(output);
    }
};

TEST_F(CliClipTest, TheValueIsOfferedAsASecretAndClearedAfterTheInterval)
{
    if (!onPath("xvfb-run") || !onPath("xclip"))
        GTEST_SKIP() << "xvfb-run and xclip are needed (scripts/install-deps.sh installs them)";
    const std::string seen = onXServer(
        "out=$(\"$CLI\" clip \"$W\" Bank pin --seconds 4 2>&1); echo \"clip $? [$out]\"\n"
        "echo \"text [$(xclip -o -selection clipboard)]\"\n"
        "echo \"hint [$(xclip -o -selection clipboard -t x-kde-passwordManagerHint)]\"\n"
        "xclip -o -selection clipboard -t TARGETS | grep -c -x -e UTF8_STRING -e x-kde-passwordManagerHint\n"
        // A loaded machine may be slow to let go: wait for it, but not forever.
        "for i in $(seq 100); do v=$(xclip -o -selection clipboard 2>/dev/null); [ -z \"$v\" ] && break; sleep 0.2; done\n"
        "echo \"later [$v]\"\n");
    EXPECT_EQ(seen, "clip 0 []\ntext [4321]\nhint [secret]\n2\nlater []\n");
}

TEST_F(CliClipTest, AValueCopiedMeanwhileIsLeftAlone)
{
    if (!onPath("xvfb-run") || !onPath("xclip"))
        GTEST_SKIP() << "xvfb-run and xclip are needed (scripts/install-deps.sh installs them)";
    const std::string seen = onXServer(
        "\"$CLI\" clip \"$W\" Bank bankName --seconds 2\n"
        "echo \"text [$(xclip -o -selection clipboard)]\"\n"
        "printf other | xclip -i -selection clipboard 2>/dev/null\n"
        "sleep 5\n"
        "echo \"later [$(xclip -o -selection clipboard)]\"\n");
    EXPECT_EQ(seen, "text [North Bank]\nlater [other]\n");
}

TEST_F(CliClipTest, WithoutADesktopOrAKnownFieldNothingIsCopied)
{
    const CliResult unknown = runCli({"clip", wallet, "Bank", "Pin"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err.rfind("The card \"/Bank\" has no field \"Pin\".", 0), 0u) << unknown.err;

    const EnvScope noX("DISPLAY", ""), noWayland("WAYLAND_DISPLAY", "");
    const CliResult noDesktop = runCli({"clip", wallet, "Bank", "pin"});
    EXPECT_EQ(noDesktop.status, 1);
    EXPECT_EQ(noDesktop.out, "");
    EXPECT_EQ(noDesktop.err, "No desktop clipboard: neither DISPLAY nor WAYLAND_DISPLAY is set.\n");
}

} // namespace
