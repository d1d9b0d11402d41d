#include "gps/SourceAddress.h"

#include <algorithm>
#include <array>

#include "base/NumberReading.h"
#include "base/TextUtil.h"

namespace z5 {
namespace {

constexpr std::string_view kSchemeEnd = "://";
constexpr int kLargestPort = 65535;

struct Scheme {
  std::string_view name;
  SourceAddress::Kind kind;
  bool needsHost;
  bool needsPort;
  std::string_view example;
};
constexpr std::array<Scheme, 3> kSchemes = {{
    {"gpsd", SourceAddress::Kind::Gpsd, false, false, "gpsd://localhost:2947"},
    {"tcp", SourceAddress::Kind::Tcp, true, true, "tcp://192.168.1.10:10110"},
    {"udp", SourceAddress::Kind::Udp, false, true, "udp://:10110"},
}};

bool isHostCharacter(char c) { return isAlnum(c) || c == '-' || c == '.' || c == '_'; }
// Hexadecimal groups, an IPv4 tail and a zone ("fe80::1%eth0").
bool isIpv6Character(char c) { return isAlnum(c) || c == ':' || c == '.' || c == '%'; }

SourceAddressReading refused(std::string problem) { return {std::nullopt, std::move(problem)}; }

struct HostAndPort {
  std::string host;
  std::optional<std::string_view> port;  // the text after ":", when there is one
  std::string problem;
};

HostAndPort splitHostAndPort(std::string_view rest) {
  HostAndPort split;
  if (rest.starts_with('[')) {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos) return {{}, {}, "the IPv6 address has no closing ]"};
    split.host = std::string(rest.substr(1, close - 1));
    const std::string_view after = rest.substr(close + 1);
    if (!after.empty() && after.front() != ':') return {{}, {}, "after the ] of an IPv6 address comes :PORT"};
    if (!after.empty()) split.port = after.substr(1);
    if (split.host.empty() || !std::all_of(split.host.begin(), split.host.end(), isIpv6Character))
      split.problem = "the IPv6 address in brackets is malformed";
    return split;
  }
  if (std::count(rest.begin(), rest.end(), ':') > 1) return {{}, {}, "write an IPv6 address in brackets: [::1]:PORT"};
  const std::size_t colon = rest.find(':');
  split.host = std::string(rest.substr(0, colon));
  if (colon != std::string_view::npos) split.port = rest.substr(colon + 1);
  if (!std::all_of(split.host.begin(), split.host.end(), isHostCharacter))
    split.problem = "the host name holds characters a host name cannot have";
  return split;
}

}  // namespace

bool isNetworkAddress(std::string_view text) {
  const std::size_t end = text.find(kSchemeEnd);
  return end != std::string_view::npos && end > 0 &&
         std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), isAlnum);
}

SourceAddressReading readSourceAddress(std::string_view text) {
  if (!isNetworkAddress(text)) {
    if (text.empty()) return refused("no port is named");
    SourceAddress serial;
    serial.device = serialDevicePath(text);
    return {serial, {}};
  }
  const std::size_t end = text.find(kSchemeEnd);
  const std::string scheme = toUpper(text.substr(0, end));
  const auto known =
      std::find_if(kSchemes.begin(), kSchemes.end(), [&](const Scheme& s) { return toUpper(s.name) == scheme; });
  if (known == kSchemes.end())
    return refused("\"" + escapedControls(text.substr(0, end)) + "://\" is no kind of GPS source: use gpsd://, tcp:// or udp://");
  std::string_view rest = text.substr(end + kSchemeEnd.size());
  if (rest.ends_with('/')) rest.remove_suffix(1);
  const HostAndPort split = splitHostAndPort(rest);
  if (!split.problem.empty()) return refused(split.problem);

  SourceAddress address;
  address.kind = known->kind;
  address.host = split.host;
  if (split.port) {
    const auto port = integerOnly<int>(*split.port);
    if (!port || *port < 1 || *port > kLargestPort)
      return refused("the port is a whole number from 1 to 65535, not \"" + escapedControls(*split.port) + "\"");
    address.port = *port;
  }
  const std::string example = "e.g. " + std::string(known->example);
  if (known->needsHost && address.host.empty()) return refused(std::string(known->name) + ":// needs a host, " + example);
  if (known->needsPort && address.port == 0) return refused(std::string(known->name) + ":// needs a port, " + example);
  if (address.kind == SourceAddress::Kind::Gpsd) {
    if (address.host.empty()) address.host = kGpsdDefaultHost;
    if (address.port == 0) address.port = kGpsdDefaultPort;
  }
  return {address, {}};
}

std::string serialDevicePath(std::string_view portName) {
  constexpr std::string_view kDeviceDirectory = "/dev/";
  constexpr std::string_view kSerialPortDevice = "/dev/ttyS";
  constexpr std::size_t kMaxPortDigits = 3;
  std::string_view name = portName;
  if (!name.empty() && name.back() == ':') name.remove_suffix(1);
  constexpr std::string_view kComPrefix = "COM";
  const bool com = name.size() > kComPrefix.size() && name.size() - kComPrefix.size() <= kMaxPortDigits &&
                   toUpper(name.substr(0, kComPrefix.size())) == kComPrefix;
  const std::optional<int> number = com ? digitsOnly(name.substr(kComPrefix.size())) : std::nullopt;
  if (number && *number >= 1) return std::string(kSerialPortDevice) + std::to_string(*number - 1);
  if (portName.find('/') == std::string_view::npos) return std::string(kDeviceDirectory) + std::string(portName);
  return std::string(portName);
}

}  // namespace z5
