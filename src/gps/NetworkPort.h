#pragma once
// SerialPort on a network source: a gpsd daemon asked for its NMEA, a TCP
// NMEA stream (multiplexers, Wi-Fi gateways) or UDP NMEA datagrams, with a
// wake-up descriptor that ends a pending read or connection at once. A
// peer that goes away makes a read fail, so that the monitor connects again.

#include <sys/socket.h>

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "gps/SerialPort.h"
#include "gps/SourceAddress.h"
#include "gps/WakePipe.h"

namespace z5 {

class NetworkPort final : public SerialPort {
 public:
  // A connection that takes longer counts as refused.
  static constexpr std::chrono::milliseconds kConnectWait{3000};
  // What gpsd is asked for: its devices' NMEA sentences, as they come.
  static constexpr std::string_view kGpsdWatch = "?WATCH={\"enable\":true,\"nmea\":true}\n";
  // The largest UDP payload.
  static constexpr std::size_t kLargestDatagram = 65535;

  NetworkPort() = default;
  ~NetworkPort() override;
  NetworkPort(const NetworkPort&) = delete;
  NetworkPort& operator=(const NetworkPort&) = delete;

  // `address` is a gpsd://, tcp:// or udp:// address (readSourceAddress);
  // the baud rate does not apply. Anything else gives CannotConnect.
  OpenResult open(const std::string& address, int baud) override;
  void close() override;
  bool isOpen() const override { return socket_ >= 0; }
  // A stream's bytes as they come; the peer closing the connection, or not
  // answering TCP keep-alive probes for about 25 s, is Failed. A datagram is
  // handed out whole over as many reads as it takes, with a line feed added
  // when it does not end in one, so that sentences of two datagrams are
  // never joined.
  ReadResult read(std::span<char> buffer, std::chrono::milliseconds timeout) override;
  void cancelRead() override { wake_.wake(); }
  void clearCancel() override { wake_.drain(); }
  std::string openProblem() const override { return problem_; }

 private:
  struct Peer {
    sockaddr_storage address{};
    socklen_t length = 0;
    int family = 0;
  };

  OpenResult connectStream(const SourceAddress& address);
  OpenResult listenDatagrams(const SourceAddress& address);
  bool resolve(const SourceAddress& address, int socketType);
  int newSocket(const Peer& peer, int socketType);
  bool connectWithin(int fd, const Peer& peer);
  ReadResult readDatagram(std::span<char> buffer);
  ReadResult handOutDatagram(std::span<char> buffer);

  int socket_ = -1;
  bool datagrams_ = false;
  WakePipe wake_;
  std::string problem_;
  // What the last host name resolved to, so that connecting again (on the
  // reader thread) never waits for a name server.
  std::string resolvedName_;
  std::vector<Peer> resolved_;
  // The datagram being handed out: bytes [datagramAt_, datagramEnd_).
  std::vector<char> datagram_;
  std::size_t datagramAt_ = 0;
  std::size_t datagramEnd_ = 0;
};

}  // namespace z5
