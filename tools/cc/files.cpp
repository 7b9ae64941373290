// The temporary work folder, files read (whole or as lines) and written, the
// files the user names, and --keep.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "cc.h"

namespace {

// Paths the signal handler removes: it may only call async-signal-safe
// functions, so they are kept as plain character arrays.
char workPath[PATH_MAX];
char pendingUserFile[PATH_MAX];

// Intermediate files that a step finished, in the order made (for --keep).
std::vector<std::string> finishedFiles;

void removeFolderContents(const char* folder)
{
    DIR* directory = opendir(folder);
    if (!directory)
        return;
    while (dirent* entry = readdir(directory)) {
        if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
            unlinkat(dirfd(directory), entry->d_name, 0);
    }
    closedir(directory);
}

// Removes what this run made and ends with the signal's own status. Reading
// the folder back is not safe in a signal handler, so the work folder is
// emptied through the known names of the pipeline's files.
void onSignal(int signalNumber)
{
    stopChild();
    if (pendingUserFile[0])
        unlink(pendingUserFile);
    if (workPath[0]) {
        static const char* const names[] = {
            "program.i", "program.asm", "sizes.asm", "program.opt.asm", "program.s", "unit.s",
            "unit.o", "program.map", "program.labels", "program.bin", "sim.out",
        };
        char path[PATH_MAX + 32];
        for (const char* name : names) {
            size_t length = strlen(workPath);
            memcpy(path, workPath, length);
            path[length] = '/';
            strcpy(path + length + 1, name);
            unlink(path);
        }
        rmdir(workPath);
    }
    signal(signalNumber, SIG_DFL);
    raise(signalNumber);
}

bool writeAll(int descriptor, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t count = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<size_t>(count);
    }
    return true;
}

} // namespace

const std::string& workFolder()
{
    static std::string folder;
    if (folder.empty()) {
        // Absolute, because the assembler and the linker run inside it.
        const char* base = getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/quarn-cc.XXXXXX";
        char current[PATH_MAX];
        if (pattern[0] != '/' && getcwd(current, sizeof current))
            pattern = std::string(current) + "/" + pattern;
        if (pattern.size() >= sizeof workPath)
            fail(EXIT_BUILD, "the temporary folder name {} is too long", pattern);
        strcpy(workPath, pattern.c_str());
        if (!mkdtemp(workPath)) {
            workPath[0] = '\0';
            fail(EXIT_BUILD, "cannot create a temporary folder {}: {}", pattern, strerror(errno));
        }
        folder = workPath;
    }
    return folder;
}

std::string workFile(const std::string& name) { return workFolder() + "/" + name; }

void removeWorkFolder()
{
    if (!workPath[0])
        return;
    removeFolderContents(workPath);
    rmdir(workPath);
    workPath[0] = '\0';
}

void installSignalHandlers()
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        signal(signalNumber, onSignal);
}

std::string readFile(const std::string& path, ExitStatus failStatus)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        fail(failStatus, "cannot read {}: {}", path, strerror(errno));
    std::string text;
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, count);
    bool failed = ferror(file);
    fclose(file);
    if (failed)
        fail(failStatus, "cannot read {}: {}", path, strerror(errno));
    return text;
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void writeWorkFile(const std::string& name, const std::string& text, ExitStatus failStatus)
{
    std::string path = workFile(name);
    int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0 || !writeAll(descriptor, text) || close(descriptor) != 0)
        fail(failStatus, "cannot write {}: {}", path, strerror(errno));
}

void writeUserFile(const std::string& path, const std::string& bytes)
{
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        // A device or a pipe: written as it is, never replaced or removed.
        int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        bool written = descriptor >= 0 && writeAll(descriptor, bytes);
        int error = errno;
        if (descriptor >= 0 && close(descriptor) != 0 && written) {
            written = false;
            error = errno;
        }
        if (!written)
            fail(EXIT_OUTPUT, "cannot write {}: {}", path, strerror(error));
        return;
    }
    std::string temporary = path + ".XXXXXX";
    if (temporary.size() >= sizeof pendingUserFile)
        fail(EXIT_OUTPUT, "cannot write {}: the name is too long", path);
    strcpy(pendingUserFile, temporary.c_str());
    int descriptor = mkstemp(pendingUserFile);
    if (descriptor < 0) {
        int error = errno;
        pendingUserFile[0] = '\0';
        fail(EXIT_OUTPUT, "cannot write {}: {}", path, strerror(error));
    }
    // mkstemp makes the file private; give it the mode any new file gets.
    mode_t mask = umask(0);
    umask(mask);
    bool written = fchmod(descriptor, 0666 & ~mask) == 0 && writeAll(descriptor, bytes);
    int error = errno;
    if (close(descriptor) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && rename(pendingUserFile, path.c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        unlink(pendingUserFile);
        pendingUserFile[0] = '\0';
        fail(EXIT_OUTPUT, "cannot write {}: {}", path, strerror(error));
    }
    pendingUserFile[0] = '\0';
}

void prepareKeepFolder(const std::string& folder)
{
    std::string path;
    size_t start = 0;
    while (start <= folder.size()) {
        size_t slash = folder.find('/', start);
        path = folder.substr(0, slash);
        if (!path.empty() && mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
            fail(EXIT_OUTPUT, "cannot create {}: {}", path, strerror(errno));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        fail(EXIT_OUTPUT, "cannot keep files in {}: not a folder", folder);
    if (access(folder.c_str(), W_OK) != 0)
        fail(EXIT_OUTPUT, "cannot keep files in {}: {}", folder, strerror(errno));
}

void keepFile(const std::string& name) { finishedFiles.push_back(name); }

void copyKeptFiles(const std::string& folder)
{
    std::vector<std::string> names;
    names.swap(finishedFiles);
    for (const std::string& name : names)
        writeUserFile(folder + "/" + name, readFile(workFile(name), EXIT_OUTPUT));
}
