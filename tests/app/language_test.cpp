#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/language.h"
#include "app/texts.h"

namespace quarrion {
namespace {

std::string_view TextOf(const LanguageView& view, std::string_view control,
                        TextProperty property = TextProperty::Caption) {
  for (const ControlText& text : view.texts)
    if (text.control == control && text.property == property) return text.text;
  ADD_FAILURE() << "no " << control;
  return {};
}

std::vector<int> Entries(const std::vector<ControlText>& texts) {
  std::vector<int> entries;
  for (const ControlText& text : texts) entries.push_back(text.entry);
  return entries;
}

TEST(ApplyLanguage, SetsTheTextsInTheOrderOfTheTable) {
  const std::vector<int> expected = {0,  2,  52, 4,  5,  6,  7,  8,  9,  11, 12, 48, 49, 50, 51, 14, 15, 16,
                                     17, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 40, 41, 42, 43, 44,
                                     45, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 84, 85,
                                     -1, -1, -1, -1};  // the taps item's and the Edit menu's texts lie outside the table
  for (int language = 0; language < kLanguageCount; ++language) {
    const LanguageView view = ApplyLanguage(language, false);
    EXPECT_EQ(Entries(view.texts), expected);
    for (const ControlText& text : view.texts) {
      if (text.entry < 0) continue;
      EXPECT_EQ(text.text, Text(text.entry, language)) << text.control;
    }
  }
  EXPECT_EQ(ApplyLanguage(1, true).texts.back().text, "Wiederholen");
  EXPECT_EQ(ApplyLanguage(2, false).texts[std::size_t(expected.size() - 2)].text, "Cofnij");
  EXPECT_EQ(ApplyLanguage(7, false).texts[std::size_t(expected.size() - 3)].text, "Edit");
}

TEST(ApplyLanguage, EveryControlGetsEachOfItsTextsOnce) {
  std::set<std::pair<std::string_view, TextProperty>> seen;
  for (const ControlText& text : ApplyLanguage(0, false).texts)
    EXPECT_TRUE(seen.insert({text.control, text.property}).second) << text.control;
}

TEST(ApplyLanguage, HintsGoToTheCopyPasteButtonsAndGeneratorFields) {
  const LanguageView view = ApplyLanguage(1, false);
  EXPECT_EQ(TextOf(view, "Editor_Button_Copy"), "Kopieren");
  EXPECT_EQ(TextOf(view, "Editor_Button_Copy", TextProperty::Hint), "Cave kopieren");
  EXPECT_EQ(TextOf(view, "Editor_Button_Paste", TextProperty::Hint), "Cave einfügen");
  EXPECT_EQ(TextOf(view, "RandElement0", TextProperty::Hint), "Startwert für Zufallsgenerator");
  EXPECT_EQ(TextOf(view, "RandElement4", TextProperty::Hint), "Wahrscheinlichkeit von Element 4");
  int hints = 0;
  for (const ControlText& text : view.texts) hints += text.property == TextProperty::Hint;
  EXPECT_EQ(hints, 7);
}

TEST(ApplyLanguage, GermanShowsSpielAndBeendenOnTheTitleScreen) {
  const LanguageView view = ApplyLanguage(1, false);
  EXPECT_EQ(TextOf(view, "GameMenu"), "Spiel");
  EXPECT_EQ(TextOf(view, "GameMenu_Exit"), "Beenden");
  EXPECT_EQ(TextOf(view, "OptionsMenu_Speed"), "Spielgeschwindigkeit   S");
  EXPECT_EQ(TextOf(view, "GameMenu_LoadGame"), "Lade Spiel..            L");
}

TEST(ApplyLanguage, InTheEditorTheGameMenuKeepsTheEditorsCaptions) {
  const LanguageView polish = ApplyLanguage(2, true);
  EXPECT_EQ(TextOf(polish, "GameMenu"), "Edytor");
  EXPECT_EQ(TextOf(polish, "GameMenu_Exit"), "Wyjście z edytora");
  EXPECT_EQ(TextOf(polish, "GameMenu_Start"), "Start");
  EXPECT_EQ(polish.texts.size(), ApplyLanguage(2, false).texts.size());
  EXPECT_EQ(polish.texts.front().entry, kTextEditor);
  EXPECT_EQ(TextOf(ApplyLanguage(0, true), "GameMenu_Exit"), "Exit Editor");
}

TEST(ApplyLanguage, ExactlyTheLanguageInForceIsChecked) {
  const char* items[] = {"OptionsMenu_Language_English", "OptionsMenu_Language_Deutsch",
                         "OptionsMenu_Language_Polski"};
  const char* names[] = {"English", "Deutsch", "Polski"};
  for (int language = 0; language < kLanguageCount; ++language) {
    const LanguageView view = ApplyLanguage(language, language == 1);
    for (int item = 0; item < kLanguageCount; ++item) {
      EXPECT_EQ(view.languageItems[std::size_t(item)].control, items[item]);
      EXPECT_EQ(view.languageItems[std::size_t(item)].caption, names[item]);
      EXPECT_EQ(view.languageItems[std::size_t(item)].checked, item == language);
    }
  }
}

TEST(ApplyLanguage, UnknownLanguageShowsAndChecksEnglish) {
  const LanguageView view = ApplyLanguage(9, false);
  EXPECT_EQ(TextOf(view, "GameMenu"), "Game");
  EXPECT_TRUE(view.languageItems[0].checked);
  EXPECT_FALSE(view.languageItems[1].checked);
  EXPECT_FALSE(view.languageItems[2].checked);
}

TEST(DialogTexts, EachDialogTakesItsEntries) {
  EXPECT_EQ(Entries(SpeedDialogTexts(0)), (std::vector<int>{47, 13, 46}));
  EXPECT_EQ(Entries(AdvancedDialogTexts(0)), (std::vector<int>{26, 33, 34, 35, 36, 37, 38}));
  EXPECT_EQ(Entries(HelpDialogTexts(0)), (std::vector<int>{3, 17, 18, 19, 20, 53, 82, 83, 86}));
  int fileButtons = 0;
  for (const ControlText& text : CustomGameDialogTexts(2)) {
    EXPECT_EQ(text.text, Text(text.entry, 2));
    if (text.control.starts_with("BLoad")) {
      EXPECT_EQ(text.text, "Otwórz..");
      ++fileButtons;
    }
  }
  EXPECT_EQ(fileButtons, 6);
  EXPECT_EQ(SpeedDialogTexts(1)[0].text, "Spielgeschwindigkeit");
  EXPECT_EQ(SpeedDialogTexts(1)[1].text, "schnell");
  EXPECT_EQ(AdvancedDialogTexts(2)[0].control, "TAdvancedOptionsForm");
  EXPECT_EQ(AdvancedDialogTexts(2)[0].text, "Zaawansowane");
}

TEST(DialogTexts, OnlyTheMemoOfTheLanguageInForceIsShown) {
  EXPECT_EQ(HelpMemoName(0), "EnglishMemo");
  EXPECT_EQ(HelpMemoName(1), "DeutschMemo");
  EXPECT_EQ(HelpMemoName(2), "PolishMemo");
  EXPECT_EQ(HelpMemoName(-3), "EnglishMemo");
}

}  // namespace
}  // namespace quarrion
