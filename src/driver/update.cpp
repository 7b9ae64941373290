// Update notice: at start-up, asks the version page whether this version is
// still current and, when it is gone, tells the user where to upgrade. It
// never stops the program; an empty address or an unreachable server is silent.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/diagnostics.h"
#include "driver/driver.h"

namespace {

constexpr int RESPONSE_SIZE = 16384;   // body of the message text, NUL included
constexpr int ADDRESS_SIZE = 64;       // one address, NUL included
constexpr int MESSAGE_SIZE = 256;      // "Please visit ... to upgrade"
constexpr int PROGRAM_PATH_SIZE = 4096;

constexpr int STATUS_OK = 200;
constexpr int STATUS_NOT_FOUND = 404;

void loadAddress(char* target, const char* address)
{
    snprintf(target, ADDRESS_SIZE, "%s", address);
}

// A message box on a text terminal: caption and text on standard error; the
// program goes on without waiting.
void showMessageBox(const char* text, const char* caption)
{
    printDiagnostic("{}: {}\n", caption, text);
}

// Full path of an executable program found on PATH into path; false when
// there is none.
bool findProgram(const char* name, char* path)
{
    const char* list = getenv("PATH");
    if (list == nullptr)
        return false;
    for (;;) {
        size_t length = strcspn(list, ":");
        const char* folder = length == 0 ? "." : list;
        int folderLength = length == 0 ? 1 : static_cast<int>(length);
        int written = snprintf(path, PROGRAM_PATH_SIZE, "%.*s/%s", folderLength, folder, name);
        struct stat info;
        if (written > 0 && written < PROGRAM_PATH_SIZE && stat(path, &info) == 0 &&
            S_ISREG(info.st_mode) && access(path, X_OK) == 0)
            return true;
        if (list[length] == 0)
            return false;
        list += length + 1;
    }
}

// The shell's "open": hands the address to xdg-open in the background, when
// that program exists and a graphical display is there; otherwise nothing.
void openAddress(const char* address)
{
    if (getenv("DISPLAY") == nullptr && getenv("WAYLAND_DISPLAY") == nullptr)
        return;
    char program[PROGRAM_PATH_SIZE];
    if (!findProgram("xdg-open", program))
        return;
    fflush(nullptr);
    // The middle process exits at once, so the opener is nobody's child
    // to wait for and the compiler goes on.
    pid_t middle = fork();
    if (middle == 0) {
        setsid();
        if (fork() == 0) {
            int quiet = open("/dev/null", O_RDWR);
            if (quiet >= 0) {
                dup2(quiet, 0);
                dup2(quiet, 1);
                dup2(quiet, 2);
            }
            char* arguments[] = {program, const_cast<char*>(address), nullptr};
            execv(program, arguments);
            _exit(127);
        }
        _exit(0);
    }
    if (middle > 0)
        waitpid(middle, nullptr, 0);
}

}  // namespace

// The order of decisions: only a missing version page (404) leads on. Then a
// message text (200) is shown as it came; otherwise the download address is
// named, and opened when the message text was missing as well.
void checkForUpdateWith(const char* versionAddress, const char* messageAddress,
                        const char* downloadAddress)
{
    char* response = static_cast<char*>(malloc(RESPONSE_SIZE));
    if (response == nullptr)
        return;
    char address[ADDRESS_SIZE];
    loadAddress(address, versionAddress);
    int status = fetchHttpStatus(address, response, RESPONSE_SIZE);
    if (status == STATUS_NOT_FOUND) {
        loadAddress(address, messageAddress);
        status = fetchHttpStatus(address, response, RESPONSE_SIZE);
        if (status == STATUS_OK) {
            showMessageBox(response, "Please Upgrade");
            printf("Please Upgrade");
        } else {
            loadAddress(address, downloadAddress);
            if (status == STATUS_NOT_FOUND)
                openAddress(address);
            char message[MESSAGE_SIZE];
            snprintf(message, sizeof message, "Please visit %s to upgrade", address);
            showMessageBox(message, "Please upgrade");
            printf("%s", message);
        }
    }
    free(response);
}

void checkForUpdate()
{
    checkForUpdateWith(QUARN_VERSION_URL, QUARN_MESSAGE_URL, QUARN_DOWNLOAD_URL);
}
