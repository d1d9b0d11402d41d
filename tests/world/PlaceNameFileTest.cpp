// The place-name files, the stored name coding and the cleaning of published names.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "TempDir.h"
#include "base/ByteOrder.h"
#include "world/NameCoding.h"
#include "world/PlaceNameCleaning.h"
#include "world/PlaceNameFile.h"

namespace z5 {
namespace {

TEST(PlaceNameFile, NamesAreStoredPlus23AndEndAtAStoredZero) {
  std::uint8_t field[kPlaceNameFieldSize];
  encodeStoredName("Aden", field, sizeof field);
  EXPECT_EQ(field[0], 'A' + 23);
  EXPECT_EQ(field[4], 0);
  EXPECT_EQ(decodeStoredName(field, sizeof field), "Aden");
  // 'é' in Latin-1 (233) would be stored as 0 and cut the name.
  encodeStoredName("Caf\xE9s", field, sizeof field);
  EXPECT_EQ(decodeStoredName(field, sizeof field), "Caf?s");
  // A field without a stored 0 decodes to its full width.
  std::fill(field, field + sizeof field, static_cast<std::uint8_t>('x' + 23));
  EXPECT_EQ(decodeStoredName(field, sizeof field), std::string(kPlaceNameFieldSize, 'x'));
  // Stored bytes below 23 wrap around modulo 256.
  const std::uint8_t wrapped[] = {10, 0};
  EXPECT_EQ(decodeStoredName(wrapped, 2), std::string(1, static_cast<char>(10 - 23)));
}

TEST(PlaceNameFile, ReaderGivesBackWhatTheWriterWrote) {
  test::TempDir dir;
  std::vector<PlaceName> places;
  for (int i = 0; i < 600; ++i)  // more than two blocks of 256
    places.push_back({"Port " + std::to_string(i), static_cast<std::uint8_t>(i % 21), i * 100 - 30000, -i * 2000});
  places.push_back({"A name longer than twenty-two", 0, 1, 2});
  ASSERT_TRUE(writePlaceNameFile(dir.file("port.dat"), places));
  places.back().name = "A name longer than twe";  // cut to 22
  EXPECT_EQ(readAllPlaceNames(dir.file("port.dat")), places);
}

TEST(PlaceNameFile, WrongMagicShortHeaderAndMissingFileAreTold) {
  test::TempDir dir;
  auto bytes = encodePlaceNameFile({{"Aden", 0, 1, 2}});
  writeUint32(bytes.data(), 0x20770002);
  PlaceNameReader wrong(dir.write("a.dat", std::string(bytes.begin(), bytes.end())));
  EXPECT_EQ(wrong.status(), PlaceNameStatus::BadMagic);
  EXPECT_EQ(wrong.magicFound(), 0x20770002);
  EXPECT_EQ(PlaceNameReader(dir.write("b.dat", "\x78\x56")).status(), PlaceNameStatus::BadMagic);
  EXPECT_EQ(PlaceNameReader(dir.file("none.dat")).status(), PlaceNameStatus::CannotOpen);
}

TEST(PlaceNameFile, ShortLastRecordIsIgnored) {
  test::TempDir dir;
  auto bytes = encodePlaceNameFile({{"Aden", 0, 1, 2}, {"Suez", 0, 3, 4}});
  bytes.resize(bytes.size() - 5);
  EXPECT_EQ(readAllPlaceNames(dir.write("c.dat", std::string(bytes.begin(), bytes.end()))),
            (std::vector<PlaceName>{{"Aden", 0, 1, 2}}));
  EXPECT_TRUE(PlaceNameReader(dir.file("c.dat")).cutShort());
  EXPECT_EQ(PlaceNameReader(dir.file("c.dat")).wholeRecords(), 1);
}

TEST(PlaceNameCleaning, MakesPublishedNamesFitTheMap) {
  struct Case {
    const char* legend;
    const char* raw;
    const char* clean;
  };
  const Case cases[] = {
      {"double spaces collapse", "Caribbean  Sea", "Caribbean Sea"},
      {"all-capital ocean names get capital initials", "NORTH ATLANTIC OCEAN", "North Atlantic Ocean"},
      {"minor words stay lower case", "GULF OF THE FARALLONES", "Gulf of the Farallones"},
      {"accents become plain letters", "Bah\xC3\xAD" "a de Campeche", "Bahia de Campeche"},
      {"letters outside Latin-1 are mapped too", "\xC3\x98resund", "Oresund"},
      {"curly quotes become apostrophes", "Golfo San Mat\xE2\x80\x99" "as", "Golfo San Mat'as"},
      {"a leading The goes when too long", "The North Western Passages", "North Western Passages"},
      {"a bracketed aside goes when too long", "Trois-Rivieres (Three Rivers)", "Trois-Rivieres"},
      {"the part after a slash goes when too long", "Puerto Belgrano/Bahia Blanca", "Puerto Belgrano"},
      {"common words are abbreviated", "Viscount Melville Sound", "Viscount Melville Sd."},
      {"whole words go, and no connector ends the name", "San Sebastian de la Gomera", "San Sebastian"},
      {"a short name with a bracket keeps it", "Brussel (Bruxelles)", "Brussel (Bruxelles)"},
      {"one very long word is cut", "Llanfairpwllgwyngyllgogerychwyrndrobwll", "Llanfairpwllgwyngyllgo"},
      {"control characters and edges of white space go", "\t Aden\n", "Aden"},
      {"a broken UTF-8 byte is dropped", "Ad\xC3n", "Adn"},
      {"nothing left is empty", "  ", ""},
  };
  for (const Case& c : cases) {
    const std::string clean = cleanPlaceName(c.raw);
    EXPECT_EQ(clean, c.clean) << c.legend;
    EXPECT_LE(clean.size(), 22u) << c.legend;
  }
}

TEST(PlaceNameCleaning, LevelsShowTheLargestPortsAndOceansOnTheWidestViews) {
  EXPECT_EQ(portLevel(3), 20);  // shown on a whole-world view (threshold 20)
  EXPECT_EQ(portLevel(8), 15);  // shown below 18 degrees
  EXPECT_GT(portLevel(4), portLevel(5));
  EXPECT_EQ(seaLevel(true, 1.0), 0);
  EXPECT_EQ(seaLevel(false, 2.0), 18);
  EXPECT_EQ(seaLevel(false, 7.8), 12);  // still shown on a 2-degree view
  EXPECT_EQ(seaLevel(false, NAN), 1);
}

}  // namespace
}  // namespace z5
