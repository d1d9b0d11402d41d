#pragma once
// Every user option of the program, one field per settings key (named after
// the key), plus the values that belong with them but are not keys.

#include <array>
#include <string>

#include "base/DateTime.h"
#include "base/Palettes.h"

namespace z5 {

// The departure text when no departure time is given.
inline constexpr const char* kNoDepartureText = " - No departure time given - no time calcs.";

// The vessel name and call sign until the user gives them.
inline constexpr const char* kDefaultVessel = "vessel";
inline constexpr const char* kDefaultCall = "call";

// Great-circle sailing set-up: not stored, reset by every settings load.
struct GreatCircleSettings {
  int mode = 0;               // compute legs by great circle where it pays
  double step = 0;            // degrees of longitude between GC points; 0 unset
  double minimumSaving = 5.0; // NM the great circle must save before a leg is split
  double limit = 85.0;        // limiting latitude of composite sailing, degrees
};

// The chart catalogue's scale window: 5000 <= lower < upper <= 9000000.
struct ChartScaleLimits {
  static constexpr int kSmallest = 5000;
  static constexpr int kLargest = 9000000;
  int lower = kSmallest;
  int upper = kLargest;
  std::string lowerText = "5000";
  std::string upperText = "9000000";
};

struct SettingsRecord {
  // Text keys.
  std::string HOME_PATH;  // always ends in '/' once established
  std::string DATA_FILE = "README.TXT";
  std::string USER_POINT_FILE;
  std::string VESSEL = kDefaultVessel;
  std::string REMARK;
  std::string CALL = kDefaultCall;
  std::string COMMAND = "DIR /ON |MORE";
  std::string GPS_PORT = "COM1:";

  // Switches (0 or 1) and numbers.
  int BOUNDARIES = 0;
  int IN_COLOR = 1;
  int FILE_PT = 0;
  int RIVERS = 0;
  int LEN_LAT_LON = 0;
  int GC_PT_GCD = 1;
  int NAMES = 1;
  int CHARTS = 1;
  int MAP_INVERT = 0;
  int LAND = 1;
  int GRID = 1;
  int NO_CALC_GC_OUT = 1;
  int NO_FILE_CHART_OUT = 0;
  int NO_FILE_INTER_OUT = 0;
  int NO_CALC_CHART_OUT = 1;
  int NO_CALC_INTER_OUT = 0;
  int NO_ETA_OUT = 0;
  int NO_AMVER_MONTH = 1;
  int OUTPUT_FORMAT = 1;
  int ROUNDING = 1;
  int SEA = 1;
  int PORTS = 1;
  int SEPARATOR_CHAR = ',';
  int DECIMAL_PT_COMMA = 0;
  int EXTRA_PRECISION = 0;
  int GPS_SMG_CMG = 1;
  int GPS_BAUD = 4800;
  int GPS_AT_START = 0;
  int GPS_LOG = 0;
  int GPS_LOGGING_INTERVAL = 60;
  int GPS_MAX_SAMPLES = 20;
  int GPS_SAMPLE_INTERVAL = 20;
  int GPS_DISPLAY_TRACK = 1;
  int GPS_LABEL_TRACK = 1;
  int LAND_CLEARANCE = 0;  // NM the route check keeps legs off land; 0 checks crossings only

  // Colour keys.
  Palette RGB_COLOR_MAP = kDefaultScreenPalette;
  Palette RGB_PRINT_COLOR_MAP = kDefaultPrintPalette;
  std::array<Rgb, kCustomColourCount> RGB_CUSTOM_COLORS{};

  // Not keys.
  std::string outputFileName = "README.OUT";
  DateTime departure;           // year 0: no departure time
  std::string departureText;
  DateTime arrival;             // required arrival time; year 0: none
  std::string arrivalRemark;
  std::string roundingText = "1";
  int noSave = 0;
  GreatCircleSettings greatCircle;
  ChartScaleLimits chartScale;
  int backwardsRouting = 0;  // the voyage is computed from the last waypoint to the first
  int firstRowNumber = 1;    // number shown for the first waypoint (labelling)
};

}  // namespace z5
