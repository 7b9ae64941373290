// The update notice against a loopback server. Only a missing version page
// (404) leads on: a message text (200) is shown as it came, cut to 16383
// bytes, under "Please Upgrade"; any other answer names the download page,
// which is handed to the browser only when the text is missing (404) too.
// No address, a current version, an unreachable server and one that never
// answers are all silent, the last within the client's time bound.
#include <arpa/inet.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>

#include "driver/driver.h"

namespace {

struct Notice {
    std::string base;               // the version page; base/m is the message text, base/d the download page
    std::string printed;            // standard output, then standard error
    std::vector<std::string> asked; // the request line of each request, and whether it named the user agent
    long ms = 0;
};

// Listens on 127.0.0.1, the address in notice->base.
int listenOnLoopback(Notice* notice)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), length);
    listen(fd, 4);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    notice->base = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    return fd;
}

// Runs the notice while the listener answers one request after another with
// a status line and a body.
void runNotice(Notice* notice, int listener, std::vector<std::pair<std::string, std::string>> answers = {})
{
    std::thread server([&] {
        for (pollfd waiting = {listener, POLLIN, 0}; !answers.empty() && poll(&waiting, 1, 4000) == 1;) {
            int client = accept(listener, nullptr, nullptr);
            std::string request, reply = "HTTP/1.0 " + answers[0].first + "\r\n\r\n" + answers[0].second;
            char piece[512];
            for (ssize_t got = 1; got > 0 && request.find("\r\n\r\n") == std::string::npos;) {
                got = recv(client, piece, sizeof piece, 0);
                request.append(piece, got > 0 ? static_cast<size_t>(got) : 0);
            }
            bool agent = request.find("\r\nUser-Agent: Tessaly\r\n") != std::string::npos;
            notice->asked.push_back(request.substr(0, request.find('\r')) + (agent ? " Tessaly" : ""));
            send(client, reply.data(), reply.size(), MSG_NOSIGNAL);
            close(client);
            answers.erase(answers.begin());
        }
    });
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    auto start = std::chrono::steady_clock::now();
    std::string base = notice->base, message = base + "/m", download = base + "/d";
    checkForUpdateWith(base.c_str(), message.c_str(), download.c_str());
    notice->ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    fflush(stdout);
    notice->printed = testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr();
    server.join();
    if (listener >= 0)
        close(listener);
}

}  // namespace

TEST(UpdateNotice, EachAnswerLeadsToItsNotice)
{
    Notice none, silent, unreachable, current, brief, upgrade, visit[2];
    runNotice(&none, -1);
    runNotice(&silent, listenOnLoopback(&silent));  // the kernel takes the connection; no one answers
    unreachable.base = silent.base;                 // nothing listens there any more
    runNotice(&unreachable, -1);
    EXPECT_EQ(none.printed + silent.printed + unreachable.printed, "");
    EXPECT_LT(none.ms, 50);
    EXPECT_LT(silent.ms, 3500);
    EXPECT_LT(unreachable.ms, 1000);

    // The browser's stand-in: an xdg-open on PATH that appends its argument to a file.
    char folder[] = "/tmp/quarn-open-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    std::string opener = std::string(folder) + "/xdg-open", opened = std::string(folder) + "/opened";
    std::ofstream(opener) << "#!/bin/sh\necho \"$1\" >> " << opened << "\n";
    chmod(opener.c_str(), 0755);
    setenv("PATH", (std::string(folder) + ":" + getenv("PATH")).c_str(), 1);
    setenv("DISPLAY", ":0", 1);
    runNotice(&current, listenOnLoopback(&current), {{"200 OK", "current"}});
    EXPECT_EQ(current.printed, "");
    runNotice(&brief, listenOnLoopback(&brief), {{"404 Not Found", ""}, {"200 OK", "Version 2\nis out."}});
    EXPECT_EQ(brief.printed, "Please UpgradePlease Upgrade: Version 2\nis out.\n");
    std::string text = std::string(9000, 'x') + std::string(11000, 'y');
    runNotice(&upgrade, listenOnLoopback(&upgrade), {{"404 Not Found", ""}, {"200 OK", text}});
    EXPECT_EQ(upgrade.printed, "Please UpgradePlease Upgrade: " + text.substr(0, 16383) + "\n");
    EXPECT_EQ(upgrade.asked, (std::vector<std::string>{"GET / HTTP/1.0 Tessaly", "GET /m HTTP/1.0 Tessaly"}));
    const char* statuses[] = {"500 Internal Server Error", "404 Not Found"};
    for (int k = 0; k < 2; ++k) {
        runNotice(&visit[k], listenOnLoopback(&visit[k]), {{"404 Not Found", ""}, {statuses[k], "gone"}});
        std::string message = "Please visit " + visit[k].base + "/d to upgrade";
        EXPECT_EQ(visit[k].printed, message + "Please upgrade: " + message + "\n") << statuses[k];
    }
    // The opener runs on its own: wait for it; only the last page is there.
    std::string contents;
    for (int wait = 0; wait < 100 && contents.empty(); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ifstream file(opened);
        contents.assign(std::istreambuf_iterator<char>(file), {});
    }
    EXPECT_EQ(contents, visit[1].base + "/d\n");
    EXPECT_EQ(system(("rm -rf " + std::string(folder)).c_str()), 0);
}
