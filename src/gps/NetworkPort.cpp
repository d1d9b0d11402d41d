#include "gps/NetworkPort.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

namespace z5 {
namespace {

// TCP keep-alive: probes after this many seconds of silence, this many
// seconds apart, and the connection given up after this many unanswered.
constexpr int kKeepAliveIdleSeconds = 10;
constexpr int kKeepAliveIntervalSeconds = 5;
constexpr int kKeepAliveProbes = 3;
// A UDP source without an address listens on every IPv4 address, where
// NMEA broadcasts arrive.
constexpr const char* kEveryIpv4Address = "0.0.0.0";

std::string errorText(int error) { return std::generic_category().message(error); }

void keepAlive(int fd) {
  const int on = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &kKeepAliveIdleSeconds, sizeof kKeepAliveIdleSeconds);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &kKeepAliveIntervalSeconds, sizeof kKeepAliveIntervalSeconds);
  ::setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &kKeepAliveProbes, sizeof kKeepAliveProbes);
}

bool sendAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t sent = ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

}  // namespace

NetworkPort::~NetworkPort() { close(); }

SerialPort::OpenResult NetworkPort::open(const std::string& address, int /*baud*/) {
  close();
  problem_.clear();
  const SourceAddressReading reading = readSourceAddress(address);
  if (!reading.address || reading.address->kind == SourceAddress::Kind::Serial) {
    problem_ = reading.address ? "it is not a network address" : reading.problem;
    return OpenResult::CannotConnect;
  }
  if (reading.address->kind == SourceAddress::Kind::Udp) return listenDatagrams(*reading.address);
  return connectStream(*reading.address);
}

void NetworkPort::close() {
  if (socket_ < 0) return;
  ::close(std::exchange(socket_, -1));
  datagramAt_ = datagramEnd_ = 0;
}

bool NetworkPort::resolve(const SourceAddress& address, int socketType) {
  const bool passive = socketType == SOCK_DGRAM;
  const std::string host = passive && address.host.empty() ? kEveryIpv4Address : address.host;
  const std::string service = std::to_string(address.port);
  const std::string name = host + " " + service + " " + std::to_string(socketType);
  if (name == resolvedName_ && !resolved_.empty()) return true;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = socketType;
  hints.ai_flags = AI_NUMERICSERV | (passive ? AI_PASSIVE : 0);
  addrinfo* found = nullptr;
  const int result = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
  if (result != 0) {
    problem_ = result == EAI_SYSTEM ? errorText(errno) : ::gai_strerror(result);
    return false;
  }
  resolved_.clear();
  for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
    Peer peer;
    peer.length = std::min<socklen_t>(a->ai_addrlen, sizeof peer.address);
    std::memcpy(&peer.address, a->ai_addr, peer.length);
    peer.family = a->ai_family;
    resolved_.push_back(peer);
  }
  ::freeaddrinfo(found);
  resolvedName_ = name;
  if (resolved_.empty()) problem_ = "the host name gives no address";
  return !resolved_.empty();
}

bool NetworkPort::connectWithin(int fd, const Peer& peer) {
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&peer.address), peer.length) == 0) return true;
  if (errno != EINPROGRESS) {
    problem_ = errorText(errno);
    return false;
  }
  switch (wake_.wait(fd, POLLOUT, kConnectWait)) {
    case WakePipe::Wait::Woken:
      problem_ = "stopped while connecting";
      return false;
    case WakePipe::Wait::TimedOut:
      problem_ = "no answer within " + std::to_string(kConnectWait.count() / 1000) + " s";
      return false;
    case WakePipe::Wait::Ready:
    case WakePipe::Wait::Failed:
      break;
  }
  int error = 0;
  socklen_t length = sizeof error;
  if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
  if (error != 0) problem_ = errorText(error);
  return error == 0;
}

int NetworkPort::newSocket(const Peer& peer, int socketType) {
  const int fd = ::socket(peer.family, socketType | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) problem_ = errorText(errno);
  return fd;
}

SerialPort::OpenResult NetworkPort::connectStream(const SourceAddress& address) {
  if (!resolve(address, SOCK_STREAM)) return OpenResult::CannotConnect;
  for (const Peer& peer : resolved_) {
    const int fd = newSocket(peer, SOCK_STREAM);
    if (fd < 0) continue;
    if (!connectWithin(fd, peer)) {
      ::close(fd);
      continue;
    }
    keepAlive(fd);
    if (address.kind == SourceAddress::Kind::Gpsd && !sendAll(fd, kGpsdWatch)) {
      problem_ = "gpsd did not take the request for NMEA: " + errorText(errno);
      ::close(fd);
      return OpenResult::CannotConnect;
    }
    socket_ = fd;
    datagrams_ = false;
    return OpenResult::Opened;
  }
  return OpenResult::CannotConnect;
}

SerialPort::OpenResult NetworkPort::listenDatagrams(const SourceAddress& address) {
  if (!resolve(address, SOCK_DGRAM)) return OpenResult::CannotConnect;
  for (const Peer& peer : resolved_) {
    const int fd = newSocket(peer, SOCK_DGRAM);
    if (fd < 0) continue;
    // Other programs on the computer may listen to the same broadcasts.
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&peer.address), peer.length) != 0) {
      problem_ = errorText(errno);
      ::close(fd);
      continue;
    }
    socket_ = fd;
    datagrams_ = true;
    datagram_.resize(kLargestDatagram + 1);
    return OpenResult::Opened;
  }
  return OpenResult::CannotConnect;
}

SerialPort::ReadResult NetworkPort::read(std::span<char> buffer, std::chrono::milliseconds timeout) {
  if (datagramAt_ < datagramEnd_) return handOutDatagram(buffer);
  if (const auto none = readWithoutBytes(wake_.wait(socket_, POLLIN, timeout))) return *none;
  if (datagrams_) return readDatagram(buffer);
  const ssize_t got = ::recv(socket_, buffer.data(), buffer.size(), 0);
  if (got > 0) return {ReadStatus::Data, static_cast<std::size_t>(got)};
  if (got < 0 && (errno == EAGAIN || errno == EINTR)) return {ReadStatus::TimedOut, 0};
  // 0: the peer closed the connection; else reset, or keep-alive unanswered.
  return {ReadStatus::Failed, 0};
}

SerialPort::ReadResult NetworkPort::readDatagram(std::span<char> buffer) {
  const ssize_t got = ::recv(socket_, datagram_.data(), kLargestDatagram, 0);
  if (got < 0) return {errno == EAGAIN || errno == EINTR ? ReadStatus::TimedOut : ReadStatus::Failed, 0};
  datagramAt_ = 0;
  datagramEnd_ = static_cast<std::size_t>(got);
  if (datagramEnd_ > 0 && datagram_[datagramEnd_ - 1] != '\n') datagram_[datagramEnd_++] = '\n';
  if (datagramEnd_ == 0) return {ReadStatus::TimedOut, 0};
  return handOutDatagram(buffer);
}

SerialPort::ReadResult NetworkPort::handOutDatagram(std::span<char> buffer) {
  const std::size_t count = std::min(buffer.size(), datagramEnd_ - datagramAt_);
  std::copy_n(datagram_.begin() + static_cast<std::ptrdiff_t>(datagramAt_), count, buffer.begin());
  datagramAt_ += count;
  return {ReadStatus::Data, count};
}

}  // namespace z5
