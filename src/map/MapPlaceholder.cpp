#include "map/MapPlaceholder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include <fmt/printf.h>

namespace z5 {
namespace {

constexpr std::size_t kMaxCharactersCounted = 260;
constexpr int kNumberModulus = 32768;
constexpr const char* kNameFormat = "%stemp%d.bmp";
constexpr char kContents = ' ';

// Error strings of the placeholder file (its path).
constexpr ErrorNumber<std::string> kErrorOpen = 47;
constexpr ErrorNumber<std::string> kErrorClose = 48;
constexpr ErrorNumber<std::string> kErrorWrite = 49;

// The file error's cause as the map's messages number them.
enum FileCause {
  kGenericCause = 1,
  kFileNotFound = 2,
  kBadPath = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kHardIo = 10,
  kDiskFull = 13,
};

int causeOf(int error) {
  switch (error) {
    case ENOENT: return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kBadPath;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS: return kAccessDenied;
    case EIO: return kHardIo;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    default: return kGenericCause;
  }
}

}  // namespace

int placeholderNumber(std::string_view routePath) {
  const std::size_t counted = std::min(routePath.size(), kMaxCharactersCounted);
  long sum = 0;
  for (std::size_t i = 0; i < counted; ++i) {
    sum += static_cast<long>(static_cast<signed char>(routePath[i])) * static_cast<long>(i + 1);
  }
  return static_cast<int>(sum % kNumberModulus);
}

std::string placeholderFileName(std::string_view home, std::string_view routePath) {
  return fmt::sprintf(kNameFormat, home, placeholderNumber(routePath));
}

PlaceholderResult ensurePlaceholderFile(const std::string& path) {
  // Made only when there is none, and never through a link.
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (file < 0) {
    if (errno == EEXIST) return {};
    return {kErrorOpen, causeOf(errno)};
  }
  PlaceholderResult result;
  if (write(file, &kContents, 1) != 1) result = {kErrorWrite, causeOf(errno)};
  if (close(file) != 0 && result.ok()) result = {kErrorClose, causeOf(errno)};
  return result;
}

}  // namespace z5
