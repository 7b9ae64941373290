// Finding the other programs and running them without a shell.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "cc.h"

extern char** environ;

namespace {

// The program running now, so that an interrupt can stop it too.
volatile pid_t childPid = 0;

// A line longer than this is handed on in pieces, so that no program can
// make this one hold an unbounded amount of text.
constexpr size_t MAX_LINE = 65536;

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// What a user needs to install for a program found through PATH.
const char* packageOf(const std::string& name)
{
    if (name == "cpp")
        return "cpp";
    if (name == "ca65" || name == "ld65" || name == "sim65" || name == "od65")
        return "cc65";
    return nullptr;
}

} // namespace

std::string programFolder()
{
    static std::string folder;
    if (folder.empty()) {
        char path[PATH_MAX];
        ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
        if (length <= 0)
            fail(EXIT_BUILD, "cannot find where this program lives: /proc/self/exe: {}", strerror(errno));
        path[length] = '\0';
        char* slash = strrchr(path, '/');
        folder = slash && slash != path ? std::string(path, slash) : "/";
    }
    return folder;
}

std::string runtimeFolder()
{
    static std::string folder;
    if (folder.empty()) {
        std::string installed = programFolder() + "/../share/quarn/runtime";
        std::string built = programFolder() + "/runtime";
        if (isFolder(installed))
            folder = installed;
        else if (isFolder(built))
            folder = built;
        else
            fail(EXIT_BUILD, "cannot find the runtime: neither {} nor {} exists", installed, built);
    }
    return folder;
}

void stopChild()
{
    if (childPid > 0) {
        kill(childPid, SIGTERM);
        waitpid(childPid, nullptr, 0);
    }
}

int runProgram(const std::vector<std::string>& arguments, const std::string& folder,
               const std::function<void(const std::string&)>& onLine, ExitStatus failStatus,
               const std::string& stdoutFile)
{
    const std::string& name = arguments[0];
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        fail(failStatus, "cannot run {}: {}", name, strerror(errno));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (stdoutFile.empty())
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid;
    int error = posix_spawnp(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (error != 0) {
        close(pipeEnds[0]);
        const char* package = packageOf(name);
        if (error == ENOENT && package)
            fail(failStatus, "{} not found: install the {} package", name, package);
        fail(failStatus, "cannot run {}: {}", name, strerror(error));
    }
    childPid = pid;
    std::string pending;
    char buffer[4096];
    for (;;) {
        ssize_t count = read(pipeEnds[0], buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(count));
        size_t start = 0;
        for (size_t newline; (newline = pending.find('\n', start)) != std::string::npos; start = newline + 1)
            onLine(pending.substr(start, newline - start));
        pending.erase(0, start);
        if (pending.size() > MAX_LINE) {
            onLine(pending);
            pending.clear();
        }
    }
    close(pipeEnds[0]);
    if (!pending.empty())
        onLine(pending);
    int status;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            fail(failStatus, "lost track of {}: {}", name, strerror(errno));
    }
    childPid = 0;
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}
