#pragma once
// Where the GPS monitor reads NMEA from, as the port setting names it: a
// serial port ("COM1:", "ttyUSB0", "/dev/ttyUSB0"), a gpsd daemon
// ("gpsd://HOST[:PORT]"), a TCP NMEA stream as multiplexers and Wi-Fi
// gateways serve it ("tcp://HOST:PORT") or UDP NMEA datagrams
// ("udp://[ADDRESS]:PORT").

#include <optional>
#include <string>
#include <string_view>

namespace z5 {

inline constexpr const char* kGpsdDefaultHost = "localhost";
inline constexpr int kGpsdDefaultPort = 2947;

struct SourceAddress {
  enum class Kind { Serial, Gpsd, Tcp, Udp };
  Kind kind = Kind::Serial;
  std::string device;  // Serial: the device path
  // Gpsd and Tcp: the host to connect to (a name, an IPv4 address or an
  // IPv6 address without its brackets). Udp: the local address to listen
  // on; empty for every address of the computer.
  std::string host;
  int port = 0;  // Gpsd, Tcp, Udp: 1..65535
};

struct SourceAddressReading {
  std::optional<SourceAddress> address;
  std::string problem;  // when the text is no address: what is wrong, for a message
};

// True when `text` names a network source: it begins with a scheme and
// "://" (the scheme may still be unknown).
bool isNetworkAddress(std::string_view text);

// Reads the port setting's text. Text without "://" is a serial port (see
// serialDevicePath). The schemes gpsd, tcp and udp are matched in any
// case. "gpsd://" alone is localhost:2947, and either part may be left out;
// tcp needs HOST and PORT; udp needs PORT. An IPv6 address is written in
// brackets ("tcp://[::1]:10110"). Refused: an unknown scheme, an empty or
// malformed host, a port that is not a whole number from 1 to 65535,
// anything after the port (a path or query).
SourceAddressReading readSourceAddress(std::string_view text);

// The device opened for a port name: "COMn:" (or "COMn", any case, n from
// 1 to 999) is the n-th serial port, /dev/ttyS(n-1), as the settings have
// always named it; a name without "/" is a device in /dev ("ttyUSB0" for a
// USB receiver); any other name is a device path as given.
std::string serialDevicePath(std::string_view portName);

}  // namespace z5
