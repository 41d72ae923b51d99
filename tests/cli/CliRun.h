// Runs the built keldra-cli as a user would: arguments, standard input,
// and the output, the messages and the exit status it leaves.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// A running keldra-cli whose standard input stays open until finish().
class CliProcess {
public:
    explicit CliProcess(const std::vector<std::string>& args)
    {
        int in[2], out[2], err[2];
        if (pipe2(in, O_CLOEXEC) || pipe2(out, O_CLOEXEC) || pipe2(err, O_CLOEXEC))
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        std::vector<std::string> all{KELDRA_CLI};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : all)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid, KELDRA_CLI, &actions, nullptr, argv.data(), environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
        input = in[1];
        output = out[0];
        errors = err[0];
    }

    // A tool that ended without reading its input is no failure of the test.
    void write(const std::string& text)
    {
        signal(SIGPIPE, SIG_IGN);
        (void)!::write(input, text.data(), text.size());
    }

    CliResult finish()
    {
        ::close(input);
        CliResult result;
        pollfd fds[2] = {{output, POLLIN, 0}, {errors, POLLIN, 0}};
        std::string* sinks[2] = {&result.out, &result.err};
        for (int open = 2; open > 0;) {
            if (poll(fds, 2, -1) < 0)
                break;
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || !fds[i].revents)
                    continue;
                char buffer[65536];
                const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) {
                    sinks[i]->append(buffer, static_cast<std::size_t>(n));
                } else {
                    ::close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

private:
    pid_t pid = -1;
    int input = -1, output = -1, errors = -1;
};

inline CliResult runCli(const std::vector<std::string>& args, const std::string& stdinText = "")
{
    CliProcess process(args);
    process.write(stdinText);
    return process.finish();
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
