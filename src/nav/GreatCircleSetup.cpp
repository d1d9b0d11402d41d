#include "nav/GreatCircleSetup.h"

#include <optional>

#include "nav/DateTimePrompt.h"
#include "route/PositionText.h"

namespace z5 {
namespace {

constexpr int kKeepQuestion = 8;      // prompt: plain
constexpr int kOffStatus = 9;         // prompt: plain
constexpr int kOnStatus = 84;         // prompt: step, least saving, limit
constexpr int kStepWithCurrent = 85;  // prompt: step
constexpr int kStep = 86;             // prompt: plain
constexpr int kLimitQuestion = 87;    // prompt: limit
constexpr int kSavingQuestion = 89;   // prompt: least saving
constexpr int kSetUpOffStatus = 90;   // prompt: plain

constexpr double kLeastStep = 1;
constexpr double kGreatestStep = 50;
constexpr double kNoStep = 0.0001;
constexpr double kLeastLimit = 1;
constexpr double kGreatestLimit = 85;

bool saysNo(const std::string& answer) { return !answer.empty() && (answer.front() == 'n' || answer.front() == 'N'); }

// Asks `question` until `read` accepts the answer; an empty answer gives
// `onEmpty` when there is one. nullopt when cancelled.
template <class Read>
std::optional<double> askValue(Messages& m, const std::string& question, std::optional<double> onEmpty, Read read) {
  while (true) {
    std::string answer;
    if (!m.prompt(question, answer, true)) return std::nullopt;
    if (answer.empty()) {
      if (onEmpty) return onEmpty;
      continue;
    }
    if (const std::optional<double> value = read(answer)) return value;
  }
}

bool sameSettings(const GreatCircleSettings& a, const GreatCircleSettings& b) {
  return a.mode == b.mode && a.step == b.step && a.minimumSaving == b.minimumSaving && a.limit == b.limit;
}

int turnOffPoints(NavContext& nav) {
  const int changed = nav.settings.greatCircle.mode != 0 ? 1 : 0;
  nav.settings.greatCircle.mode = 0;
  nav.calculators.greatCircleStatus = nav.messages.strings().prompt(kOffStatus);
  return changed;
}

}  // namespace

int setUpGreatCircle(NavContext& nav, bool turnOff) {
  Messages& m = nav.messages;
  const StringTable& s = m.strings();
  GreatCircleSettings& gc = nav.settings.greatCircle;
  if (turnOff) return turnOffPoints(nav);
  if (gc.mode != 0) {
    std::string answer;
    if (!m.prompt(s.prompt(kKeepQuestion), answer, true)) return 0;
    if (saysNo(answer)) return turnOffPoints(nav);
  }

  const bool haveStep = gc.step > kNoStep;
  const std::optional<double> step = askValue(
      m, haveStep ? s.prompt(kStepWithCurrent, gc.step) : s.prompt(kStep),
      haveStep ? std::optional<double>(gc.step) : std::nullopt, [](const std::string& a) -> std::optional<double> {
        const std::optional<double> v = decimalNumber(a);
        if (v && *v >= kLeastStep && *v <= kGreatestStep) return v;
        return std::nullopt;
      });
  if (!step) return 0;

  const std::optional<double> saving = askValue(m, s.prompt(kSavingQuestion, gc.minimumSaving), gc.minimumSaving,
                                                [](const std::string& a) -> std::optional<double> {
                                                  const std::optional<double> v = decimalNumber(a);
                                                  if (v && *v >= 0) return v;
                                                  return std::nullopt;
                                                });
  if (!saving) return 0;

  const std::optional<double> limit =
      askValue(m, s.prompt(kLimitQuestion, gc.limit), kGreatestLimit, [](const std::string& a) -> std::optional<double> {
        const double v = parsePosition(a, PositionKind::Latitude);
        if (v >= kLeastLimit && v <= kGreatestLimit) return v;
        return std::nullopt;
      });
  if (!limit) return 0;

  const GreatCircleSettings before = gc;
  gc.limit = *limit;
  gc.minimumSaving = *saving;
  gc.mode = *step >= kLeastStep ? 1 : 0;
  gc.step = *step;
  nav.calculators.greatCircleStatus =
      gc.mode != 0 ? s.prompt(kOnStatus, gc.step, gc.minimumSaving, gc.limit) : s.prompt(kSetUpOffStatus);
  m.appendLine(nav.calculators.greatCircleStatus);
  return sameSettings(before, gc) ? 0 : 1;
}

}  // namespace z5
