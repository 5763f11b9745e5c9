// SPDX-License-Identifier: GPL-3.0-or-later
// An X server that hangs: it accepts connections and answers the connection setup, then
// never answers a request. For checking that the editor cannot be held by such a server.
//   quorvex_silent_x_server [SECONDS]
// Listens on the abstract socket of a free display number, prints "display N" and serves
// for SECONDS (default 30).
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

// A little-endian setup reply with one 640 x 480 screen and no pixmap formats or depths.
std::vector<std::uint8_t> setupReply() {
    std::vector<std::uint8_t> out = {1, 0};
    put16(out, 11);
    put16(out, 0);
    put16(out, 20);  // 80 more bytes: 32 fixed, 8 vendor, 40 screen
    put32(out, 1);           // release
    put32(out, 0x00200000);  // resource id base
    put32(out, 0x001fffff);  // resource id mask
    put32(out, 0);           // motion buffer
    put16(out, 6);           // vendor length
    put16(out, 0xffff);      // maximum request length
    out.insert(out.end(), {1, 0, 0, 0, 32, 32, 8, 255, 0, 0, 0, 0});
    out.insert(out.end(), {'S', 'i', 'l', 'e', 'n', 't', 0, 0});
    put32(out, 0x100);  // root
    put32(out, 0x20);   // default colormap
    put32(out, 0xffffff);
    put32(out, 0);
    put32(out, 0);
    put16(out, 640);
    put16(out, 480);
    put16(out, 170);
    put16(out, 127);
    put16(out, 1);
    put16(out, 1);
    put32(out, 0x21);  // root visual
    out.insert(out.end(), {0, 0, 24, 0});
    return out;
}

int listenOnFreeDisplay(int& display) {
    for (display = 200; display < 1000; ++display) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(display);
        std::memcpy(address.sun_path + 1, path.data(), path.size());  // abstract: leading zero byte
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
        if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 && listen(fd, 8) == 0) {
            return fd;
        }
        close(fd);
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    int display = 0;
    const int listener = listenOnFreeDisplay(display);
    if (listener < 0) {
        std::perror("quorvex_silent_x_server");
        return 1;
    }
    std::printf("display %d\n", display);
    std::fflush(stdout);

    const std::vector<std::uint8_t> reply = setupReply();
    struct Client {
        int fd;
        bool answered;
    };
    std::vector<Client> clients;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        std::vector<pollfd> watched = {{listener, POLLIN, 0}};
        for (const Client& client : clients) {
            watched.push_back({client.fd, POLLIN, 0});
        }
        if (poll(watched.data(), watched.size(), 100) <= 0) {
            continue;
        }
        for (std::size_t i = clients.size(); i-- > 0;) {
            if ((watched[i + 1].revents & (POLLIN | POLLHUP)) == 0) {
                continue;
            }
            // The first bytes are the setup request: answer it. Everything later is read
            // and left unanswered.
            std::uint8_t buffer[4096];
            if (read(clients[i].fd, buffer, sizeof buffer) <= 0) {
                close(clients[i].fd);
                clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (!clients[i].answered) {
                clients[i].answered = true;
                if (write(clients[i].fd, reply.data(), reply.size()) < 0) {
                    std::perror("quorvex_silent_x_server: write");
                }
            }
        }
        if ((watched[0].revents & POLLIN) != 0) {
            const int fd = accept(listener, nullptr, nullptr);
            if (fd >= 0) {
                clients.push_back({fd, false});
            }
        }
    }
    return 0;
}
