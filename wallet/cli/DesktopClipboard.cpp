#include "DesktopClipboard.h"

#include "X11Selection.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// wl-clipboard's text type; wl-copy offers the usual text names beside it.
constexpr const char* kWaylandTextType = "text/plain;charset=utf-8";

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

bool onPath(const std::string& tool)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(start, end - start)) / tool;
        if (access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Runs a tool with `input` on its standard input and its standard output in
// `output` (when given; else dropped, as a tool that leaves a server behind
// would keep the pipe open), its messages dropped; its exit status, or -1.
int runTool(std::vector<std::string> argv, const std::string& input, std::string* output)
{
    int in[2], out[2] = {-1, -1};
    if (pipe2(in, O_CLOEXEC) != 0)
        return -1;
    if (output && pipe2(out, O_CLOEXEC) != 0) {
        close(in[0]);
        close(in[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    if (output)
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    const bool started = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    for (std::size_t done = 0; started && done < input.size();) {
        const ssize_t n = write(in[1], input.data() + done, input.size() - done);
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    close(in[1]);
    if (output) {
        close(out[1]);
        char buffer[4096];
        for (ssize_t n; started && (n = read(out[0], buffer, sizeof buffer)) > 0;)
            output->append(buffer, static_cast<std::size_t>(n));
        close(out[0]);
    }
    int status = 0;
    if (!started || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Wayland: wl-copy serves the value from a process of its own; when the time
// is up and the clipboard still holds the value, it is cleared.
bool waylandCopy(const std::string& value, std::string& error)
{
    if (runTool({"wl-copy", "--type", kWaylandTextType}, value, nullptr) == 0)
        return true;
    error = "wl-copy could not put the value on the Wayland clipboard.";
    return false;
}

void waylandClearAfter(const std::string& value, int seconds)
{
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    std::string held;
    if (runTool({"wl-paste", "--no-newline", "--type", kWaylandTextType}, "", &held) == 0 && held == value)
        runTool({"wl-copy", "--clear"}, "", nullptr);
}

// Runs `keep` in a process of its own, detached from the terminal and with
// nothing of the tool's open files, which first says through a pipe whether
// the value is on the clipboard (`take`) and then keeps it there. The tool
// waits only for that answer.
template <class Take, class Keep>
bool inBackground(Take take, Keep keep, std::string& error)
{
    int answer[2];
    if (pipe2(answer, O_CLOEXEC) != 0) {
        error = "Cannot start the process that keeps the clipboard.";
        return false;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        close(answer[0]);
        close(answer[1]);
        error = "Cannot start the process that keeps the clipboard.";
        return false;
    }
    if (pid == 0) {
        close(answer[0]);
        setsid();
        const int quiet = open("/dev/null", O_RDWR | O_CLOEXEC);
        for (int fd = 0; fd <= 2; ++fd)
            dup2(quiet, fd);
        // A second fork leaves the keeper to init, so the tool leaves no zombie.
        if (fork() != 0)
            _exit(0);
        std::string failure;
        const bool taken = take(failure);
        const std::string message = taken ? std::string("+") : "-" + failure;
        (void)!write(answer[1], message.data(), message.size());
        close(answer[1]);
        if (taken)
            keep();
        _exit(0);
    }
    close(answer[1]);
    waitpid(pid, nullptr, 0);
    std::string message;
    char buffer[512];
    for (ssize_t n; (n = read(answer[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(n));
    close(answer[0]);
    if (message == "+")
        return true;
    error = message.empty() ? "The process that keeps the clipboard ended early." : message.substr(1);
    return false;
}

} // namespace

bool copySecretToClipboard(const std::string& value, int seconds, std::string& error)
{
    if (isSet("WAYLAND_DISPLAY") && onPath("wl-copy") && onPath("wl-paste")) {
        return inBackground([&](std::string& failure) { return waylandCopy(value, failure); },
                            [&] { waylandClearAfter(value, seconds); }, error);
    }
    if (isSet("DISPLAY")) {
        X11Selection selection(value);
        return inBackground([&](std::string& failure) { return selection.take(failure); }, [&] { selection.serveFor(seconds); },
                            error);
    }
    error = isSet("WAYLAND_DISPLAY") ? "The Wayland clipboard needs wl-copy and wl-paste (Debian package wl-clipboard)."
                                     : "No desktop clipboard: neither DISPLAY nor WAYLAND_DISPLAY is set.";
    return false;
}
