// The update notice and its HTTP client against a small server on loopback
// that each test starts itself: statuses, bodies, bounds, and every branch
// of the notice.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "driver/driver.h"

namespace {

// A loopback server that answers each path with a fixed raw reply (status
// line, headers, body) and records every request it reads. Paths without a
// reply get 404.
struct TestServer {
    int listener = -1;
    int port = 0;
    std::map<std::string, std::string> replies;
    std::vector<std::string> requests;
    std::mutex lock;
    std::atomic<bool> stopping{false};
    std::thread worker;
    bool ipv6 = false;
    bool holdOpen = false;  // keep each connection open after the reply
};

// A listening socket on the IPv4 (or IPv6) loopback address with a port of
// the kernel's choice.
int listenOnLoopback(int* port, bool ipv6 = false)
{
    int fd = socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM, 0);
    int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_storage storage{};
    socklen_t length;
    if (ipv6) {
        auto* address = reinterpret_cast<sockaddr_in6*>(&storage);
        address->sin6_family = AF_INET6;
        address->sin6_addr = in6addr_loopback;
        length = sizeof *address;
    } else {
        auto* address = reinterpret_cast<sockaddr_in*>(&storage);
        address->sin_family = AF_INET;
        address->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof *address;
    }
    if (bind(fd, reinterpret_cast<sockaddr*>(&storage), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return -1;
    }
    getsockname(fd, reinterpret_cast<sockaddr*>(&storage), &length);
    *port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6*>(&storage)->sin6_port
                       : reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
    return fd;
}

std::string reply(const std::string& statusLine, const std::string& body)
{
    return "HTTP/1.0 " + statusLine + "\r\nContent-Type: text/plain\r\n\r\n" + body;
}

void serveOne(TestServer* server, int client)
{
    std::string request;
    char piece[1024];
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536 &&
           std::chrono::steady_clock::now() < until) {
        pollfd entry = {client, POLLIN, 0};
        if (poll(&entry, 1, 100) <= 0)
            continue;
        ssize_t got = recv(client, piece, sizeof piece, 0);
        if (got <= 0)
            break;
        request.append(piece, static_cast<size_t>(got));
    }
    std::string path;
    size_t space = request.find(' ');
    if (space != std::string::npos)
        path = request.substr(space + 1, request.find(' ', space + 1) - space - 1);
    std::string answer;
    {
        std::lock_guard<std::mutex> guard(server->lock);
        server->requests.push_back(request);
        auto found = server->replies.find(path);
        answer = found != server->replies.end() ? found->second : reply("404 Not Found", "missing");
    }
    size_t sent = 0;
    while (sent < answer.size()) {
        ssize_t n = send(client, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<size_t>(n);
    }
    while (server->holdOpen && !server->stopping)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    close(client);
}

void startServer(TestServer* server)
{
    server->listener = listenOnLoopback(&server->port, server->ipv6);
    ASSERT_GE(server->listener, 0);
    server->worker = std::thread([server] {
        while (!server->stopping) {
            pollfd entry = {server->listener, POLLIN, 0};
            if (poll(&entry, 1, 50) <= 0)
                continue;
            int client = accept(server->listener, nullptr, nullptr);
            if (client >= 0)
                serveOne(server, client);
        }
    });
}

void stopServer(TestServer* server)
{
    server->stopping = true;
    if (server->worker.joinable())
        server->worker.join();
    if (server->listener >= 0)
        close(server->listener);
}

std::string addressOf(const TestServer& server, const std::string& path)
{
    return "http://127.0.0.1:" + std::to_string(server.port) + path;
}

// A loopback port with nothing listening on it.
int closedPort()
{
    int port = 0;
    int fd = listenOnLoopback(&port);
    close(fd);
    return port;
}

long elapsedMs(std::chrono::steady_clock::time_point since)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - since)
                                 .count());
}

constexpr int RESPONSE_SIZE = 16384;

TEST(UpdateFetch, EmptyAddressAnswersZeroAtOnce)
{
    static char buffer[RESPONSE_SIZE] = "old";
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetchHttpStatus("", buffer, RESPONSE_SIZE), 0);
    EXPECT_LT(elapsedMs(start), 50);
    EXPECT_STREQ(buffer, "");
}

TEST(UpdateFetch, SendsHttp10GetWithUserAgentAndKeepsBody)
{
    TestServer server;
    server.replies["/versions/1.03"] = reply("200 OK", "current\nversion");
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int status = fetchHttpStatus(addressOf(server, "/versions/1.03").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 200);
    EXPECT_STREQ(buffer, "current\nversion");
    ASSERT_EQ(server.requests.size(), 1u);
    const std::string& request = server.requests[0];
    EXPECT_EQ(request.rfind("GET /versions/1.03 HTTP/1.0\r\n", 0), 0u) << request;
    EXPECT_NE(request.find("\r\nUser-Agent: Tessaly\r\n"), std::string::npos) << request;
    EXPECT_NE(request.find("\r\nHost: 127.0.0.1:" + std::to_string(server.port) + "\r\n"),
              std::string::npos)
        << request;
}

TEST(UpdateFetch, AddressWithoutPathAsksForRoot)
{
    TestServer server;
    server.replies["/"] = reply("200 OK", "root");
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int status = fetchHttpStatus(addressOf(server, "").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 200);
    EXPECT_STREQ(buffer, "root");
}

TEST(UpdateFetch, Ipv6LiteralKeepsItsBracketsInHostLine)
{
    TestServer server;
    server.ipv6 = true;
    server.replies["/six"] = reply("200 OK", "six");
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    std::string port = std::to_string(server.port);
    int status = fetchHttpStatus(("http://[::1]:" + port + "/six").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 200);
    EXPECT_STREQ(buffer, "six");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_NE(server.requests[0].find("\r\nHost: [::1]:" + port + "\r\n"), std::string::npos)
        << server.requests[0];
}

// A server that keeps the connection open after its answer: the announced
// length ends the body, not the time bound.
TEST(UpdateFetch, AnnouncedLengthEndsBodyOfOpenConnection)
{
    TestServer server;
    server.holdOpen = true;
    server.replies["/m"] = "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello";
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    auto start = std::chrono::steady_clock::now();
    int status = fetchHttpStatus(addressOf(server, "/m").c_str(), buffer, RESPONSE_SIZE);
    long took = elapsedMs(start);
    stopServer(&server);
    EXPECT_EQ(status, 200);
    EXPECT_STREQ(buffer, "hello");
    EXPECT_LT(took, 1000);
}

TEST(UpdateFetch, KeepsAtMost16383BodyBytes)
{
    std::string body;
    for (int i = 0; i < 20000; ++i)
        body += static_cast<char>('a' + i % 26);
    TestServer server;
    server.replies["/long"] = reply("200 OK", body);
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int status = fetchHttpStatus(addressOf(server, "/long").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 200);
    EXPECT_EQ(strlen(buffer), 16383u);
    EXPECT_EQ(std::string(buffer), body.substr(0, 16383));
}

TEST(UpdateFetch, BodyOfOtherStatusesIsNotKept)
{
    TestServer server;
    server.replies["/gone"] = reply("410 Gone", "old text");
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int status = fetchHttpStatus(addressOf(server, "/gone").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 410);
    EXPECT_STREQ(buffer, "");
}

TEST(UpdateFetch, RedirectIsNotFollowed)
{
    TestServer server;
    server.replies["/old"] = "HTTP/1.0 302 Found\r\nLocation: /new\r\n\r\n";
    server.replies["/new"] = reply("200 OK", "moved");
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int status = fetchHttpStatus(addressOf(server, "/old").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(status, 302);
    EXPECT_EQ(server.requests.size(), 1u);
}

TEST(UpdateFetch, AnswerWithoutStatusLineGivesZero)
{
    TestServer server;
    server.replies["/odd"] = "SPDY/9 what\r\n\r\nbody";
    server.replies["/short"] = "HTTP/1.0 20 OK\r\n\r\nbody";
    startServer(&server);
    static char buffer[RESPONSE_SIZE];
    int odd = fetchHttpStatus(addressOf(server, "/odd").c_str(), buffer, RESPONSE_SIZE);
    int shortStatus = fetchHttpStatus(addressOf(server, "/short").c_str(), buffer, RESPONSE_SIZE);
    stopServer(&server);
    EXPECT_EQ(odd, 0);
    EXPECT_EQ(shortStatus, 0);
}

TEST(UpdateFetch, OtherSchemesAndBrokenAddressesGiveZero)
{
    static char buffer[RESPONSE_SIZE];
    EXPECT_EQ(fetchHttpStatus("https://127.0.0.1/", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("ftp://127.0.0.1/", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("http://", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("http://127.0.0.1:99999/", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("http://127.0.0.1:/", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("http://127.0.0.1/a b", buffer, RESPONSE_SIZE), 0);
    EXPECT_EQ(fetchHttpStatus("127.0.0.1", buffer, RESPONSE_SIZE), 0);
}

TEST(UpdateFetch, ClosedPortGivesZeroQuickly)
{
    static char buffer[RESPONSE_SIZE];
    std::string address = "http://127.0.0.1:" + std::to_string(closedPort()) + "/v";
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(fetchHttpStatus(address.c_str(), buffer, RESPONSE_SIZE), 0);
    EXPECT_LT(elapsedMs(start), 1000);
}

// The kernel completes the connection from the listen queue, but nothing is
// ever read or answered: the client must give up within its bound.
TEST(UpdateFetch, ServerThatNeverAnswersGivesZeroWithinBound)
{
    int port = 0;
    int listener = listenOnLoopback(&port);
    ASSERT_GE(listener, 0);
    static char buffer[RESPONSE_SIZE];
    std::string address = "http://127.0.0.1:" + std::to_string(port) + "/v";
    auto start = std::chrono::steady_clock::now();
    int status = fetchHttpStatus(address.c_str(), buffer, RESPONSE_SIZE);
    long took = elapsedMs(start);
    close(listener);
    EXPECT_EQ(status, 0);
    EXPECT_LT(took, 3500);
}

// Runs the notice with stdout and stderr captured.
struct NoticeOutput {
    std::string out;
    std::string err;
};

NoticeOutput runNotice(const std::string& version, const std::string& message, const std::string& download)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    checkForUpdateWith(version.c_str(), message.c_str(), download.c_str());
    fflush(stdout);
    NoticeOutput result;
    result.out = testing::internal::GetCapturedStdout();
    result.err = testing::internal::GetCapturedStderr();
    return result;
}

// A stand-in xdg-open on PATH that writes the address it was given into a
// file, and a display, for the cases where the download page may be opened.
struct FakeOpener {
    std::string folder;
    std::string marker;
    std::string savedPath;
    bool hadDisplay = false;
    std::string savedDisplay;
};

void installOpener(FakeOpener* opener, bool withDisplay)
{
    char pattern[] = "/tmp/quarn-opener-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    opener->folder = pattern;
    opener->marker = opener->folder + "/opened";
    std::string script = opener->folder + "/xdg-open";
    {
        std::ofstream file(script);
        file << "#!/bin/sh\nprintf '%s' \"$1\" > " << opener->marker << ".part && mv "
             << opener->marker << ".part " << opener->marker << "\n";
    }
    chmod(script.c_str(), 0755);
    opener->savedPath = getenv("PATH") ? getenv("PATH") : "";
    setenv("PATH", (opener->folder + ":" + opener->savedPath).c_str(), 1);
    const char* display = getenv("DISPLAY");
    opener->hadDisplay = display != nullptr;
    opener->savedDisplay = display ? display : "";
    if (withDisplay)
        setenv("DISPLAY", ":0", 1);
    else
        unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
}

// The address the stand-in received, waiting up to two seconds for it; empty
// when it was never started.
std::string openedAddress(const FakeOpener& opener)
{
    auto start = std::chrono::steady_clock::now();
    while (elapsedMs(start) < 2000) {
        std::ifstream file(opener.marker);
        if (file) {
            std::stringstream text;
            text << file.rdbuf();
            return text.str();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return "";
}

// True when, after a wait long enough for a started stand-in to write its
// marker, there is none: nothing was handed to the browser.
bool nothingOpened(const FakeOpener& opener)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return access(opener.marker.c_str(), F_OK) == -1;
}

void removeOpener(const FakeOpener& opener)
{
    setenv("PATH", opener.savedPath.c_str(), 1);
    if (opener.hadDisplay)
        setenv("DISPLAY", opener.savedDisplay.c_str(), 1);
    else
        unsetenv("DISPLAY");
    std::string command = "rm -rf " + opener.folder;
    EXPECT_EQ(system(command.c_str()), 0);
}

TEST(UpdateNotice, EmptyAddressesAreSilent)
{
    auto start = std::chrono::steady_clock::now();
    NoticeOutput output = runNotice("", "", "");
    EXPECT_LT(elapsedMs(start), 50);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

TEST(UpdateNotice, CurrentVersionIsSilentAndAsksNothingMore)
{
    TestServer server;
    server.replies["/v"] = reply("200 OK", "yes");
    startServer(&server);
    NoticeOutput output = runNotice(addressOf(server, "/v"), addressOf(server, "/m"), addressOf(server, "/d"));
    stopServer(&server);
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].rfind("GET /v ", 0), 0u);
}

TEST(UpdateNotice, UnreachableVersionPageIsSilent)
{
    std::string base = "http://127.0.0.1:" + std::to_string(closedPort());
    NoticeOutput output = runNotice(base + "/v", base + "/m", base + "/d");
    EXPECT_EQ(output.out, "");
    EXPECT_EQ(output.err, "");
}

TEST(UpdateNotice, MessageTextIsShownAsItCame)
{
    FakeOpener opener;
    installOpener(&opener, true);
    TestServer server;
    server.replies["/m"] = reply("200 OK", "Version 2 is out.\nGet it today.");
    startServer(&server);
    NoticeOutput output = runNotice(addressOf(server, "/v"), addressOf(server, "/m"), addressOf(server, "/d"));
    stopServer(&server);
    EXPECT_EQ(output.out, "Please Upgrade");
    EXPECT_EQ(output.err, "Please Upgrade: Version 2 is out.\nGet it today.\n");
    EXPECT_EQ(server.requests.size(), 2u);
    EXPECT_TRUE(nothingOpened(opener));
    removeOpener(opener);
}

TEST(UpdateNotice, MissingMessageTextOpensDownloadPage)
{
    FakeOpener opener;
    installOpener(&opener, true);
    TestServer server;
    startServer(&server);
    std::string download = addressOf(server, "/d");
    NoticeOutput output = runNotice(addressOf(server, "/v"), addressOf(server, "/m"), download);
    stopServer(&server);
    std::string text = "Please visit " + download + " to upgrade";
    EXPECT_EQ(output.out, text);
    EXPECT_EQ(output.err, "Please upgrade: " + text + "\n");
    EXPECT_EQ(openedAddress(opener), download);
    // The download page is handed to the browser, not fetched.
    EXPECT_EQ(server.requests.size(), 2u);
    removeOpener(opener);
}

TEST(UpdateNotice, MissingMessageTextWithoutDisplayOpensNothing)
{
    FakeOpener opener;
    installOpener(&opener, false);
    TestServer server;
    startServer(&server);
    std::string download = addressOf(server, "/d");
    NoticeOutput output = runNotice(addressOf(server, "/v"), addressOf(server, "/m"), download);
    stopServer(&server);
    EXPECT_EQ(output.out, "Please visit " + download + " to upgrade");
    EXPECT_TRUE(nothingOpened(opener));
    removeOpener(opener);
}

TEST(UpdateNotice, FailingMessageTextNamesDownloadWithoutOpening)
{
    FakeOpener opener;
    installOpener(&opener, true);
    TestServer server;
    server.replies["/m"] = reply("500 Internal Server Error", "broken");
    startServer(&server);
    std::string download = addressOf(server, "/d");
    NoticeOutput output = runNotice(addressOf(server, "/v"), addressOf(server, "/m"), download);
    stopServer(&server);
    std::string text = "Please visit " + download + " to upgrade";
    EXPECT_EQ(output.out, text);
    EXPECT_EQ(output.err, "Please upgrade: " + text + "\n");
    EXPECT_TRUE(nothingOpened(opener));
    removeOpener(opener);
}

TEST(UpdateNotice, UnreachableMessageTextNamesDownloadWithoutOpening)
{
    FakeOpener opener;
    installOpener(&opener, true);
    TestServer server;
    startServer(&server);
    std::string message = "http://127.0.0.1:" + std::to_string(closedPort()) + "/m";
    std::string download = addressOf(server, "/d");
    NoticeOutput output = runNotice(addressOf(server, "/v"), message, download);
    stopServer(&server);
    EXPECT_EQ(output.out, "Please visit " + download + " to upgrade");
    EXPECT_TRUE(nothingOpened(opener));
    removeOpener(opener);
}

}  // namespace
