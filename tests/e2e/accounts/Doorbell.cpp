// SPDX-License-Identifier: GPL-3.0-or-later
// Doorbell: another account's socket in the abstract namespace that answers every call "shown",
// and writes what each caller said to a log.
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc != 3 || std::strlen(argv[1]) >= sizeof(sockaddr_un::sun_path)) {
        std::fprintf(stderr, "usage: %s <abstract name> <log>\n", argv[0]);
        return 2;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t length = std::strlen(argv[1]);
    std::memcpy(address.sun_path + 1, argv[1], length);
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(server, reinterpret_cast<sockaddr *>(&address), socklen_t(offsetof(sockaddr_un, sun_path) + 1 + length)) != 0
        || ::listen(server, 16) != 0) {
        std::perror("doorbell");
        return 1;
    }
    for (;;) {
        const int call = ::accept(server, nullptr, nullptr);
        if (call == -1)
            continue;
        // Answered before anything is asked: whoever waits for an answer gets one.
        (void)::send(call, "shown\n", 6, MSG_NOSIGNAL);
        char said[64] = {};
        pollfd ready{call, POLLIN, 0};
        const ssize_t got = ::poll(&ready, 1, 2000) > 0 ? ::read(call, said, sizeof said - 1) : 0;
        if (FILE *log = std::fopen(argv[2], "a")) {
            std::fprintf(log, "call: %s\n", got > 0 ? said : "(nothing)\n");
            std::fclose(log);
        }
        ::close(call);
    }
}
