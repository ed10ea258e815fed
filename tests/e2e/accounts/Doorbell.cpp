// SPDX-License-Identifier: GPL-3.0-or-later
// Doorbell: a socket in the abstract namespace that answers every call "shown" and logs what the caller said.
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const size_t length = argc == 3 ? std::strlen(argv[1]) : sizeof address.sun_path;
    if (length >= sizeof address.sun_path)
        return 2;
    std::memcpy(address.sun_path + 1, argv[1], length); // sun_path[0] stays 0: the abstract namespace
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(server, reinterpret_cast<sockaddr *>(&address), socklen_t(sizeof address.sun_family + 1 + length)) != 0
        || ::listen(server, 16) != 0)
        return 1;
    for (int call; (call = ::accept(server, nullptr, nullptr)) != -1; ::close(call)) {
        ::send(call, "shown\n", 6, MSG_NOSIGNAL); // before anything is asked: whoever waits gets an answer
        char said[64] = {};
        pollfd ready{call, POLLIN, 0};
        FILE *log = ::poll(&ready, 1, 2000) > 0 && ::read(call, said, sizeof said - 1) > 0 ? std::fopen(argv[2], "a") : nullptr;
        if (log) {
            std::fputs(said, log);
            std::fclose(log);
        }
    }
}
