#include "route/VoyageHeader.h"

#include <filesystem>
#include <fstream>
#include <optional>

namespace z5 {
namespace {

// Prompt strings: the questions, their labels, and the two direction and
// target defaults.
constexpr int kUserPointFileQuestion = 13;
constexpr int kRemarkQuestion = 15;
constexpr int kVesselNameQuestion = 16;
constexpr int kCallSignQuestion = 17;
constexpr int kForwardLabel = 111;
constexpr int kNoTargetLabel = 113;
constexpr int kVesselNameLabel = 221;
constexpr int kCallSignLabel = 222;
constexpr int kRemarkLabel = 223;
constexpr int kUserPointFileLabel = 224;
constexpr int kUserPointPlotLabel = 241;
// Error string 2: a file that does not open, shown for 3000 ms.
constexpr int kFileNotOpened = 2;
constexpr int kFileNotOpenedMs = 3000;

constexpr std::size_t kRemarkKept = 249;
constexpr std::size_t kVesselNameKept = 100;
constexpr std::size_t kCallSignShortest = 2;
constexpr std::size_t kCallSignLongest = 49;
constexpr std::size_t kPathShortest = 2;
constexpr std::size_t kPathLongest = 199;

// The trimmed answer to a question showing `current`, or nullopt when the
// user did not confirm.
std::optional<std::string> ask(Messages& messages, PromptNumber<std::string> question, const std::string& current) {
  std::string answer = current;
  if (!messages.prompt(messages.strings().prompt(question, current), answer, true)) return std::nullopt;
  return answer;
}

void showValue(Messages& messages, PromptNumber<> label, const std::string& value) {
  messages.appendLine(messages.statusLine(messages.strings().prompt(label), value));
}

bool opensForReading(const std::string& path) {
  std::error_code error;
  return std::ifstream(path).is_open() && !std::filesystem::is_directory(path, error);
}

}  // namespace

void resetVoyageHeaderTexts(Voyage& voyage, const StringTable& strings) {
  voyage.directionLabel = strings.prompt(kForwardLabel);
  voyage.toWaypoint.label = strings.prompt(kNoTargetLabel);
}

bool askRemark(SettingsRecord& settings, Messages& messages) {
  const std::string before = settings.REMARK;
  if (const auto answer = ask(messages, kRemarkQuestion, settings.REMARK)) {
    settings.REMARK = answer->substr(0, kRemarkKept);
  }
  showValue(messages, kRemarkLabel, settings.REMARK);
  return settings.REMARK != before;
}

bool askVesselName(SettingsRecord& settings, Messages& messages) {
  const std::string before = settings.VESSEL;
  if (const auto answer = ask(messages, kVesselNameQuestion, settings.VESSEL); answer && !answer->empty()) {
    settings.VESSEL = answer->substr(0, kVesselNameKept);
  }
  showValue(messages, kVesselNameLabel, settings.VESSEL);
  return settings.VESSEL != before;
}

bool askCallSign(SettingsRecord& settings, Messages& messages) {
  const std::string before = settings.CALL;
  if (const auto answer = ask(messages, kCallSignQuestion, settings.CALL);
      answer && answer->size() >= kCallSignShortest && answer->size() <= kCallSignLongest) {
    settings.CALL = *answer;
  }
  showValue(messages, kCallSignLabel, settings.CALL);
  return settings.CALL != before;
}

bool askUserPointFile(SettingsRecord& settings, Messages& messages) {
  bool changed = false;
  if (const auto answer = ask(messages, kUserPointFileQuestion, settings.USER_POINT_FILE);
      answer && answer->size() >= kPathShortest && answer->size() <= kPathLongest) {
    if (opensForReading(*answer)) {
      changed = *answer != settings.USER_POINT_FILE;
      settings.USER_POINT_FILE = *answer;
      showValue(messages, kUserPointFileLabel, settings.USER_POINT_FILE);
    } else {
      messages.showError(kFileNotOpened, kFileNotOpenedMs, *answer);
    }
  }
  if (settings.USER_POINT_FILE.empty()) settings.FILE_PT = 0;
  const StringTable& strings = messages.strings();
  messages.appendLine(messages.statusLine(strings.prompt(kUserPointPlotLabel),
                                          strings.prompt(settings.FILE_PT ? Messages::kOnText : Messages::kOffText)));
  return changed;
}

}  // namespace z5
