#pragma once
// The other end of a network GPS source, on the loopback interface only: a
// TCP server the monitor connects to (as to a multiplexer or gpsd), a UDP
// sender it listens to, free ports.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>

namespace z5::test {

inline sockaddr_in loopback(int port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return address;
}

// A socket of `type` bound to a port of its own on 127.0.0.1, and the port.
inline int boundSocket(int type, int& port) {
  const int fd = ::socket(AF_INET, type | SOCK_CLOEXEC, 0);
  sockaddr_in address = loopback(0);
  socklen_t length = sizeof address;
  ::bind(fd, reinterpret_cast<const sockaddr*>(&address), length);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  return fd;
}

inline int freePort(int type) {
  int port = 0;
  ::close(boundSocket(type, port));
  return port;
}
inline int freeUdpPort() { return freePort(SOCK_DGRAM); }
inline int freeTcpPort() { return freePort(SOCK_STREAM); }

// Waits until something listens on TCP `port` of 127.0.0.1.
inline bool waitForListener(int port, std::chrono::seconds wait = std::chrono::seconds(20)) {
  const auto end = std::chrono::steady_clock::now() + wait;
  for (; std::chrono::steady_clock::now() < end; std::this_thread::sleep_for(std::chrono::milliseconds(50))) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_in address = loopback(port);
    const bool listening = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (listening) return true;
  }
  return false;
}

// A TCP server on 127.0.0.1 that takes one client at a time.
class LoopbackTcpServer {
 public:
  LoopbackTcpServer() : listener_(boundSocket(SOCK_STREAM, port_)) { ::listen(listener_, 1); }
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
  // The first line the client sent (gpsd's request, for one).
  std::string received() {
    std::string text;
    char byte = 0;
    pollfd watched{client_, POLLIN, 0};
    while (!text.ends_with('\n') && ::poll(&watched, 1, 1000) == 1 && ::recv(client_, &byte, 1, 0) == 1) text += byte;
    return text;
  }
  void write(std::string_view text) { ::send(client_, text.data(), text.size(), MSG_NOSIGNAL); }
  // The peer goes away: the connection is closed.
  void dropClient() {
    if (client_ >= 0) ::close(client_);
    client_ = -1;
  }

 private:
  int port_ = 0;
  int listener_;
  int client_ = -1;
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
