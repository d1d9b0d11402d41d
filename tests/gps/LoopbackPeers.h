#pragma once
// The other end of a network GPS source, on the loopback interface only: a
// TCP server the monitor connects to (as to a multiplexer), a UDP sender it
// listens to, and a free UDP port.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>

namespace z5::test {

inline sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

inline int boundPort(int fd) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

// A port no UDP socket uses now.
inline int freeUdpPort() {
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  const sockaddr_in any = loopback(0);
  ::bind(fd, reinterpret_cast<const sockaddr*>(&any), sizeof any);
  const int port = boundPort(fd);
  ::close(fd);
  return port;
}

// A TCP server on 127.0.0.1 that takes one client at a time.
class LoopbackTcpServer {
 public:
  LoopbackTcpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in any = loopback(0);
    ::bind(listener_, reinterpret_cast<const sockaddr*>(&any), sizeof any);
    ::listen(listener_, 1);
    port_ = boundPort(listener_);
  }
  ~LoopbackTcpServer() {
    dropClient();
    ::close(listener_);
  }
  LoopbackTcpServer(const LoopbackTcpServer&) = delete;
  LoopbackTcpServer& operator=(const LoopbackTcpServer&) = delete;

  int port() const { return port_; }
  std::string address() const { return "tcp://127.0.0.1:" + std::to_string(port_); }
  // Waits for the monitor to connect; false when it does not within `wait`.
  bool accept(std::chrono::milliseconds wait = std::chrono::seconds(10)) {
    pollfd watched{listener_, POLLIN, 0};
    if (::poll(&watched, 1, static_cast<int>(wait.count())) != 1) return false;
    client_ = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    return client_ >= 0;
  }
  // What the client sent so far (gpsd's request, for one).
  std::string received() {
    std::string text;
    char bytes[256];
    pollfd watched{client_, POLLIN, 0};
    while (::poll(&watched, 1, 1000) == 1) {
      const ssize_t got = ::recv(client_, bytes, sizeof bytes, 0);
      if (got <= 0) break;
      text.append(bytes, static_cast<std::size_t>(got));
      if (text.ends_with('\n')) break;
    }
    return text;
  }
  void write(std::string_view text) { ::send(client_, text.data(), text.size(), MSG_NOSIGNAL); }
  // The peer goes away: the connection is closed.
  void dropClient() {
    if (client_ >= 0) ::close(client_);
    client_ = -1;
  }

 private:
  int listener_ = -1;
  int client_ = -1;
  int port_ = 0;
};

// Sends datagrams to a port of 127.0.0.1.
class LoopbackUdpSender {
 public:
  explicit LoopbackUdpSender(int port) : fd_(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)), to_(loopback(port)) {}
  ~LoopbackUdpSender() { ::close(fd_); }
  LoopbackUdpSender(const LoopbackUdpSender&) = delete;
  LoopbackUdpSender& operator=(const LoopbackUdpSender&) = delete;
  void write(std::string_view datagram) {
    ::sendto(fd_, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&to_), sizeof to_);
  }

 private:
  int fd_;
  sockaddr_in to_;
};

}  // namespace z5::test
