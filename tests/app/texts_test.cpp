#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/texts.h"

namespace quarrion {
namespace {

// UTF-8 without stray continuation bytes, overlong two-byte forms or cut-off sequences.
bool IsUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    if (lead >= 0xC2 && lead <= 0xDF) extra = 1;
    else if ((lead & 0xF0) == 0xE0) extra = 2;
    else if (lead >= 0xF0 && lead <= 0xF4) extra = 3;
    else if (lead >= 0x80) return false;
    if (text.size() - i < extra + 1) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(LanguageTable, EveryEntryHasValidTextInAllThreeLanguages) {
  for (int entry = 0; entry < kLanguageEntryCount; ++entry) {
    for (int language = 0; language < kLanguageCount; ++language) {
      const std::string& text = Text(entry, language);
      EXPECT_FALSE(text.empty()) << entry << '/' << language;
      EXPECT_TRUE(IsUtf8(text)) << entry << '/' << language;
      EXPECT_EQ(text.find('\n'), std::string::npos) << entry;
    }
  }
}

TEST(LanguageTable, OutOfRangeLanguageReadsEnglishAndOutOfRangeEntryIsEmpty) {
  EXPECT_EQ(Text(9, 3), "Exit");
  EXPECT_EQ(Text(9, -1), "Exit");
  EXPECT_EQ(Text(9, 255), "Exit");
  EXPECT_EQ(Text(87, 0), "");
  EXPECT_EQ(Text(-1, 1), "");
  EXPECT_EQ(LanguageName(2), "Polski");
  EXPECT_EQ(LanguageName(7), "English");
}

TEST(LanguageTable, TrailingBlanksOfQuestionsAndMenusArePartOfTheText) {
  EXPECT_EQ(Text(kTextAskSaveChanges, 0), "Caves are modified. Save changes?   ");
  EXPECT_EQ(Text(kTextAskSaveChanges, 1), "Es wurden Caves verändert. Änderungen speichern?   ");
  EXPECT_EQ(Text(kTextAskSaveChanges, 2), "Poziomy zostały zmodyfikowane. Czy chcesz zachować zmiany?   ");
  EXPECT_EQ(Text(kTextAskGenerate, 0), "You really want to generate cave?     ");
  EXPECT_EQ(Text(kTextAskUnpack, 1), "Datei entpacken in das Verzeichnis:   ");
  EXPECT_EQ(Text(kTextPackNotice, 2), "Otwórz jeden z plików, które chcesz spakować..     ");
  EXPECT_EQ(Text(2, 0), "Load Game..       L");
  EXPECT_EQ(Text(14, 1), "Vollbild                         ALT+ENTER");
  EXPECT_EQ(Text(15, 2), "Wyłączenie dźwięku     M");
  EXPECT_EQ(Text(52, 1), "Stopp                     Q");
  EXPECT_EQ(Text(71, 2), "Odtwórz demo    D");
}

TEST(LanguageTable, GermanAndPolishTextsAreInTheirColumns) {
  EXPECT_EQ(Text(kTextGame, 1), "Spiel");
  EXPECT_EQ(Text(kTextExit, 1), "Beenden");
  EXPECT_EQ(Text(kTextGame, 2), "Gra");
  EXPECT_EQ(Text(kTextEditor, 2), "Edytor");
  EXPECT_EQ(Text(51, 1), "Groß");
  EXPECT_EQ(Text(50, 2), "Średnie");
  EXPECT_EQ(Text(35, 1), "Wachstumsverzögerung nach Zeitablauf");
  EXPECT_EQ(Text(86, 0).empty(), false);
  for (int language = 0; language < kLanguageCount; ++language)
    EXPECT_EQ(Text(kTextProgramName, language), "Quarrion v.1.8.5");
}

TEST(LanguageTable, AboutLinesCreditOurTeamInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    EXPECT_NE(Text(18, language).find("Quarrion"), std::string::npos) << language;
    EXPECT_NE(Text(19, language).find("Quarrion"), std::string::npos) << language;
  }
  EXPECT_NE(Text(20, 0).find("Free software"), std::string::npos);
}

class HelpMemo : public ::testing::TestWithParam<int> {};

TEST_P(HelpMemo, HasFourPartsEachHeadedByDashesAndFollowedByABlankLine) {
  const std::vector<std::string> lines = Lines(HelpText(GetParam()));
  ASSERT_TRUE(IsUtf8(HelpText(GetParam())));
  std::vector<std::string> titles;
  std::size_t i = 0;
  while (i < lines.size()) {
    ASSERT_LT(i + 2, lines.size());
    ASSERT_FALSE(lines[i].empty());
    EXPECT_EQ(lines[i].find_first_not_of('-'), std::string::npos) << lines[i];
    EXPECT_EQ(lines[i + 2], lines[i]);
    titles.push_back(lines[i + 1]);
    i += 3;
    std::size_t bodyLines = 0;
    for (; i < lines.size() && !lines[i].empty(); ++i, ++bodyLines) EXPECT_EQ(lines[i][0], ' ') << lines[i];
    EXPECT_GT(bodyLines, 5u);
    ASSERT_LT(i, lines.size()) << "no blank line after the part";
    ++i;
  }
  ASSERT_EQ(titles.size(), 4u);
  EXPECT_EQ(titles[0], kHelpTitle);
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, HelpMemo, ::testing::Values(0, 1, 2));

TEST(HelpText, EachLanguageHasItsOwnTitlesKeysAndNames) {
  const std::string& english = HelpText(0);
  const std::string& german = HelpText(1);
  const std::string& polish = HelpText(2);
  EXPECT_NE(english.find("\nG A M E   C O N T R O L S\n"), std::string::npos);
  EXPECT_NE(german.find("\nB E D I E N U N G   E D I T O R\n"), std::string::npos);
  EXPECT_NE(polish.find("\nFormat poziomów Quarrion  (*.qcv)\n"), std::string::npos);
  EXPECT_NE(english.find(" CURSOR KEYS Left-Right "), std::string::npos);
  EXPECT_NE(german.find(" Kursor-Tasten links/rechts "), std::string::npos);
  EXPECT_NE(polish.find(" PRAWY KLAWISZ MYSZY "), std::string::npos);
  EXPECT_NE(german.find("Spiel laden\n"), std::string::npos);
  EXPECT_NE(polish.find("Kliknięcie na Kamieniu, Diamencie, Firefly'u lub Motylu pozwala zmienić jego rodzaj\n"),
            std::string::npos);
  EXPECT_NE(english.find(" 58 - Vertically Expanding Wall\n"), std::string::npos);
  EXPECT_NE(german.find(" 00 - Leerfeld\n"), std::string::npos);
  EXPECT_NE(polish.find(" 11 - Siła popychania kamieni (1..8)\n"), std::string::npos);
  EXPECT_EQ(english.find("Leerfeld"), std::string::npos);
  EXPECT_EQ(&HelpText(5), &english);
}

TEST(HelpText, FileFormatPartStatesBothRulesInEveryLanguage) {
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string& memo = HelpText(language);
    EXPECT_NE(memo.find(" Caves[X,(Cave*120)+(Level*24)+Y]:=Element;\n"), std::string::npos);
    EXPECT_NE(memo.find(" Cave=(0..19) Level=(0..4) X=(0..39) Y=(0..21)\n"), std::string::npos);
    EXPECT_NE(memo.find(" Caves[Number,(Cave*120)+(Level*24)+22]:=Value;\n"), std::string::npos);
    EXPECT_NE(memo.find(" Cave=(0..19) Level=(0..4) Number=(0..11)\n"), std::string::npos);
    EXPECT_NE(memo.find("0..39, 0..2399"), std::string::npos);
  }
}

}  // namespace
}  // namespace quarrion
