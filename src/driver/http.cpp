// A small HTTP/1.0 client for the update notice: GET over a plain TCP socket
// for http:// addresses, no redirects, every step bounded in time. It yields
// the status code and, for 200, the body; any failure yields 0.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include "driver/driver.h"

namespace {

// Whole exchange, and the part of it that resolving and connecting may use.
constexpr long TOTAL_TIME_MS = 3000;
constexpr long CONNECT_TIME_MS = 1500;

constexpr int HOST_SIZE = 256;       // host name or address, without brackets
constexpr int PORT_SIZE = 6;         // "65535" and the NUL
constexpr int PATH_SIZE = 1024;      // path and query sent in the request line
constexpr int REQUEST_SIZE = 2048;   // the whole request
constexpr int HEADER_SIZE = 8192;    // status line and header lines of an answer

struct HttpAddress {
    char host[HOST_SIZE];
    char port[PORT_SIZE];
    char path[PATH_SIZE];
    bool bracketed;      // an IPv6 literal, written [..] in the Host line
    bool explicitPort;   // the address named its port
};

long nowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

int remainingMs(long deadline)
{
    long left = deadline - nowMs();
    return left > 0 ? static_cast<int>(left) : 0;
}

// Copies length bytes into a NUL-terminated field of size bytes; false when
// they do not fit.
bool copyField(char* field, int size, const char* text, size_t length)
{
    if (length >= static_cast<size_t>(size))
        return false;
    memcpy(field, text, length);
    field[length] = 0;
    return true;
}

// Splits http://host[:port][/path] (host may be an [IPv6] literal). Anything
// else, or a part that does not fit its field, is refused.
bool parseAddress(const char* address, HttpAddress* parts)
{
    static const char SCHEME[] = "http://";
    if (strncasecmp(address, SCHEME, sizeof SCHEME - 1) != 0)
        return false;
    const char* cursor = address + sizeof SCHEME - 1;

    size_t hostLength;
    parts->bracketed = *cursor == '[';
    if (parts->bracketed) {
        ++cursor;
        hostLength = strcspn(cursor, "]");
        if (cursor[hostLength] != ']')
            return false;
        if (!copyField(parts->host, HOST_SIZE, cursor, hostLength))
            return false;
        cursor += hostLength + 1;
    } else {
        hostLength = strcspn(cursor, ":/?#");
        if (!copyField(parts->host, HOST_SIZE, cursor, hostLength))
            return false;
        cursor += hostLength;
    }
    if (parts->host[0] == 0 || strchr(parts->host, '@') != nullptr)
        return false;

    parts->explicitPort = *cursor == ':';
    if (parts->explicitPort) {
        ++cursor;
        size_t digits = strspn(cursor, "0123456789");
        if (digits == 0 || !copyField(parts->port, PORT_SIZE, cursor, digits))
            return false;
        long port = strtol(parts->port, nullptr, 10);
        if (port < 1 || port > 65535)
            return false;
        cursor += digits;
    } else {
        strcpy(parts->port, "80");
    }

    // The path runs to a fragment mark; it must not break the request line.
    size_t pathLength = strcspn(cursor, "#");
    for (size_t i = 0; i < pathLength; ++i) {
        unsigned char c = static_cast<unsigned char>(cursor[i]);
        if (c <= ' ' || c == 0x7F)
            return false;
    }
    if (*cursor == '/')
        return copyField(parts->path, PATH_SIZE, cursor, pathLength);
    if (pathLength + 1 >= static_cast<size_t>(PATH_SIZE))
        return false;
    parts->path[0] = '/';
    memcpy(parts->path + 1, cursor, pathLength);
    parts->path[pathLength + 1] = 0;
    return true;
}

// A name lookup still running when its time ran out: the resolver writes
// into it later, so it is kept (and stays reachable) for the rest of the run.
struct PendingLookup {
    gaicb request;
    addrinfo hints;
    char host[HOST_SIZE];
    char port[PORT_SIZE];
    PendingLookup* next;
};
PendingLookup* abandonedLookups = nullptr;

// Resolves host and port, numeric addresses at once, names within the
// deadline; null on failure.
addrinfo* resolve(const HttpAddress& parts, long deadline)
{
    addrinfo hints;
    memset(&hints, 0, sizeof hints);
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;
    addrinfo* result = nullptr;
    if (getaddrinfo(parts.host, parts.port, &hints, &result) == 0)
        return result;

    PendingLookup* lookup = new PendingLookup();
    strcpy(lookup->host, parts.host);
    strcpy(lookup->port, parts.port);
    lookup->hints.ai_family = AF_UNSPEC;
    lookup->hints.ai_socktype = SOCK_STREAM;
    lookup->hints.ai_flags = AI_NUMERICSERV;
    lookup->request.ar_name = lookup->host;
    lookup->request.ar_service = lookup->port;
    lookup->request.ar_request = &lookup->hints;
    gaicb* list[1] = {&lookup->request};
    if (getaddrinfo_a(GAI_NOWAIT, list, 1, nullptr) != 0) {
        delete lookup;
        return nullptr;
    }
    while (gai_error(&lookup->request) == EAI_INPROGRESS) {
        int left = remainingMs(deadline);
        if (left == 0)
            break;
        timespec wait = {left / 1000, (left % 1000) * 1000000L};
        gai_suspend(list, 1, &wait);
    }
    int status = gai_error(&lookup->request);
    if (status == EAI_INPROGRESS) {
        status = gai_cancel(&lookup->request);
        if (status == EAI_NOTCANCELED) {
            lookup->next = abandonedLookups;
            abandonedLookups = lookup;
            return nullptr;
        }
        status = gai_error(&lookup->request);
    }
    result = status == 0 ? lookup->request.ar_result : nullptr;
    delete lookup;
    return result;
}

// Waits until fd is ready for events or the deadline passes.
bool waitFor(int fd, short events, long deadline)
{
    for (;;) {
        pollfd entry = {fd, events, 0};
        int ready = poll(&entry, 1, remainingMs(deadline));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

// Connects to the first address that answers before the deadline; -1 when
// none does.
int connectTo(const addrinfo* candidates, long deadline)
{
    for (const addrinfo* ai = candidates; ai != nullptr; ai = ai->ai_next) {
        int fd = socket(ai->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            continue;
        if (connect(fd, ai->ai_addr, ai->ai_addrlen) == 0)
            return fd;
        if (errno == EINPROGRESS && waitFor(fd, POLLOUT, deadline)) {
            int error = 0;
            socklen_t length = sizeof error;
            if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0)
                return fd;
        }
        close(fd);
        if (remainingMs(deadline) == 0)
            break;
    }
    return -1;
}

bool sendAll(int fd, const char* text, size_t length, long deadline)
{
    while (length > 0) {
        ssize_t sent = send(fd, text, length, MSG_NOSIGNAL);
        if (sent > 0) {
            text += sent;
            length -= static_cast<size_t>(sent);
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
            if (!waitFor(fd, POLLOUT, deadline))
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// Receives what is there, waiting until the deadline: the byte count, 0 at
// the end of the stream, -1 on error or when time ran out.
ssize_t receiveSome(int fd, char* into, size_t size, long deadline)
{
    for (;;) {
        ssize_t got = recv(fd, into, size, 0);
        if (got >= 0)
            return got;
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
            return -1;
        if (!waitFor(fd, POLLIN, deadline))
            return -1;
    }
}

// Status from "HTTP/x.y NNN ...": three digits after the version; 0 when the
// line has another shape.
int parseStatusLine(const char* line)
{
    if (strncmp(line, "HTTP/", 5) != 0)
        return 0;
    const char* cursor = line + 5;
    while (*cursor != 0 && *cursor != ' ' && *cursor != '\r' && *cursor != '\n')
        ++cursor;
    if (*cursor != ' ')
        return 0;
    while (*cursor == ' ')
        ++cursor;
    for (int i = 0; i < 3; ++i)
        if (cursor[i] < '0' || cursor[i] > '9')
            return 0;
    char after = cursor[3];
    if (after != ' ' && after != '\r' && after != '\n' && after != 0)
        return 0;
    return (cursor[0] - '0') * 100 + (cursor[1] - '0') * 10 + (cursor[2] - '0');
}

// Value of a Content-Length header in the header block; -1 when there is none
// or it does not read.
long contentLength(const char* headers)
{
    static const char NAME[] = "content-length:";
    for (const char* line = strchr(headers, '\n'); line != nullptr; line = strchr(line, '\n')) {
        ++line;
        if (strncasecmp(line, NAME, sizeof NAME - 1) != 0)
            continue;
        const char* value = line + sizeof NAME - 1;
        while (*value == ' ' || *value == '\t')
            ++value;
        if (*value < '0' || *value > '9')
            return -1;
        char* end;
        errno = 0;
        long length = strtol(value, &end, 10);
        return errno == 0 ? length : -1;
    }
    return -1;
}

// End of the header block (the byte after its blank line), or null.
char* headerEnd(char* headers)
{
    char* crlf = strstr(headers, "\r\n\r\n");
    char* lf = strstr(headers, "\n\n");
    if (crlf != nullptr && (lf == nullptr || crlf < lf))
        return crlf + 4;
    return lf != nullptr ? lf + 2 : nullptr;
}

// The exchange on a connected socket: request, status, and a 200 body into
// buffer. Returns the status, or 0 on any failure.
int exchange(int fd, const HttpAddress& parts, char* buffer, int bufferSize, long deadline)
{
    char request[REQUEST_SIZE];
    const char* openBracket = parts.bracketed ? "[" : "";
    const char* closeBracket = parts.bracketed ? "]" : "";
    const char* colon = parts.explicitPort ? ":" : "";
    const char* port = parts.explicitPort ? parts.port : "";
    int length = snprintf(request, sizeof request,
                          "GET %s HTTP/1.0\r\nHost: %s%s%s%s%s\r\nUser-Agent: Tessaly\r\n"
                          "Accept: */*\r\nConnection: close\r\n\r\n",
                          parts.path, openBracket, parts.host, closeBracket, colon, port);
    if (length < 0 || length >= static_cast<int>(sizeof request))
        return 0;
    if (!sendAll(fd, request, static_cast<size_t>(length), deadline))
        return 0;

    // Header block: up to its blank line, or to the end of the stream.
    char headers[HEADER_SIZE];
    size_t used = 0;
    char* bodyStart = nullptr;
    bool ended = false;
    while (bodyStart == nullptr) {
        if (used == HEADER_SIZE - 1)
            return 0;
        ssize_t got = receiveSome(fd, headers + used, HEADER_SIZE - 1 - used, deadline);
        if (got < 0)
            return 0;
        headers[used + static_cast<size_t>(got)] = 0;
        if (got == 0) {
            ended = true;
            if (strchr(headers, '\n') == nullptr)
                return 0;
            bodyStart = headers + used;
            break;
        }
        used += static_cast<size_t>(got);
        bodyStart = headerEnd(headers);
    }
    int status = parseStatusLine(headers);
    if (status != 200 || buffer == nullptr || bufferSize <= 0)
        return status;

    // Body: what came with the headers, then more until the end of the
    // stream, the announced length, or a full buffer.
    long announced = contentLength(headers);
    size_t capacity = static_cast<size_t>(bufferSize - 1);
    size_t already = static_cast<size_t>(headers + used - bodyStart);
    size_t kept = already < capacity ? already : capacity;
    memcpy(buffer, bodyStart, kept);
    buffer[kept] = 0;
    size_t received = already;
    while (!ended && kept < capacity && (announced < 0 || received < static_cast<size_t>(announced))) {
        ssize_t got = receiveSome(fd, buffer + kept, capacity - kept, deadline);
        if (got < 0)
            return 0;
        if (got == 0)
            break;
        kept += static_cast<size_t>(got);
        received += static_cast<size_t>(got);
        buffer[kept] = 0;
    }
    return status;
}

}  // namespace

int fetchHttpStatus(const char* address, char* buffer, int bufferSize)
{
    if (buffer != nullptr && bufferSize > 0)
        buffer[0] = 0;
    if (address == nullptr || address[0] == 0)
        return 0;
    HttpAddress parts;
    if (!parseAddress(address, &parts))
        return 0;

    long start = nowMs();
    long deadline = start + TOTAL_TIME_MS;
    addrinfo* candidates = resolve(parts, start + CONNECT_TIME_MS);
    if (candidates == nullptr)
        return 0;
    int fd = connectTo(candidates, start + CONNECT_TIME_MS);
    freeaddrinfo(candidates);
    if (fd < 0)
        return 0;
    int status = exchange(fd, parts, buffer, bufferSize, deadline);
    close(fd);
    return status;
}
