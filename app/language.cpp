#include "app/language.h"

#include <span>

#include "app/texts.h"

namespace quarrion {
namespace {

struct ControlEntry {
  std::string_view control;
  TextProperty property;
  int entry;
};

constexpr TextProperty kCaption = TextProperty::Caption;
constexpr TextProperty kHint = TextProperty::Hint;

// The main window's texts in the order they are set: the menus first, then the editor panel,
// its pop-up menus and the remaining menu items.
constexpr ControlEntry kMainWindowTexts[] = {
    {"GameMenu", kCaption, 0},
    {"GameMenu_LoadGame", kCaption, 2},
    {"GameMenu_Stop", kCaption, 52},
    {"GameMenu_CavesEditor", kCaption, 4},
    {"GameMenu_New", kCaption, 5},
    {"GameMenu_LoadCaves", kCaption, 6},
    {"GameMenu_SaveCaves", kCaption, 7},
    {"GameMenu_SaveCavesAs", kCaption, 8},
    {"GameMenu_Exit", kCaption, 9},
    {"OptionsMenu", kCaption, 11},
    {"OptionsMenu_Speed", kCaption, 12},
    {"Menu_Zoom", kCaption, 48},
    {"Zoom_Small", kCaption, 49},
    {"Zoom_Medium", kCaption, 50},
    {"Zoom_Large", kCaption, 51},
    {"FullScreen", kCaption, 14},
    {"OptionsMenu_Mute", kCaption, 15},
    {"OptionsMenu_Language", kCaption, 16},
    {"HelpMenu", kCaption, 17},
    {"Editor_Label_CaveTime", kCaption, 21},
    {"Editor_Label_MagicTime", kCaption, 22},
    {"Editor_Label_AmoebaTime", kCaption, 23},
    {"Editor_Label_Diamonds", kCaption, 24},
    {"Editor_Label_Value", kCaption, 25},
    {"Editor_Button_Advanced", kCaption, 26},
    {"Editor_Button_Random", kCaption, 27},
    {"Editor_Button_TestCave", kCaption, 28},
    {"Editor_Button_DecCave", kCaption, 29},
    {"Editor_Button_IncCave", kCaption, 30},
    {"Editor_Button_DecLevel", kCaption, 31},
    {"Editor_Button_IncLevel", kCaption, 32},
    {"PopUpMenu_Flies_FacingLeft", kCaption, 40},
    {"PopUpMenu_Flies_FacingUp", kCaption, 41},
    {"PopUpMenu_Flies_FacingRight", kCaption, 42},
    {"PopUpMenu_Flies_FacingDown", kCaption, 43},
    {"PopUpMenu_StoneDiamond_Stationary", kCaption, 44},
    {"PopUpMenu_StoneDiamond_Falling", kCaption, 45},
    {"Editor_Button_GenerateCave", kCaption, 57},
    {"Editor_Button_Copy", kCaption, 58},
    {"Editor_Button_Copy", kHint, 59},
    {"Editor_Button_Paste", kCaption, 60},
    {"Editor_Button_Paste", kHint, 61},
    {"RandElement0", kHint, 62},
    {"RandElement1", kHint, 63},
    {"RandElement2", kHint, 64},
    {"RandElement3", kHint, 65},
    {"RandElement4", kHint, 66},
    {"Editor_Button_ClearCave", kCaption, 67},
    {"GameMenu_Start", kCaption, 68},
    {"CustomWindow", kCaption, 69},
    {"RecordDemo1", kCaption, 70},
    {"PlayDemo1", kCaption, 71},
    {"PopUp_Horizontal", kCaption, 84},
    {"PopUp_Vertical", kCaption, 85},
};

constexpr ControlEntry kSpeedDialogTexts[] = {
    {"TGameSpeedForm", kCaption, 47},
    {"Label_Fast", kCaption, 13},
    {"Label_Slow", kCaption, 46},
};

constexpr ControlEntry kAdvancedDialogTexts[] = {
    {"TAdvancedOptionsForm", kCaption, 26}, {"Label_AmoebaMax", kCaption, 33}, {"Label_AmoebaSlow", kCaption, 34},
    {"Label_AmoebaFast", kCaption, 35},     {"Label_Slime", kCaption, 36},     {"Label_InBox", kCaption, 37},
    {"Label_Boulder", kCaption, 38},
};

constexpr ControlEntry kCustomGameDialogTexts[] = {
    {"TCustomGameForm", kCaption, 69},  {"CustomGroupBox1", kCaption, 72}, {"CustomGroupBox2", kCaption, 73},
    {"CustomMusicLabel", kCaption, 74}, {"CustomLabelFonts", kCaption, 75}, {"UnpackButton", kCaption, 77},
    {"PackButton", kCaption, 78},       {"BLoad24", kCaption, 80},          {"BLoad32", kCaption, 80},
    {"BLoad40", kCaption, 80},          {"BLoadFonts", kCaption, 80},       {"BLoadSounds", kCaption, 80},
    {"BLoadMusic", kCaption, 80},       {"CustomSoundsLabel", kCaption, 81},
};

constexpr ControlEntry kHelpDialogTexts[] = {
    {"Label_ProgramName", kCaption, 3}, {"THelpForm", kCaption, 17},     {"Label_Author", kCaption, 18},
    {"Label_Concept", kCaption, 19},    {"Label_Free", kCaption, 20},     {"Label_City", kCaption, 53},
    {"Label_Thanks1", kCaption, 82},    {"Label_Thanks2", kCaption, 83},  {"Label_Credit", kCaption, 86},
};

std::vector<ControlText> Resolve(std::span<const ControlEntry> entries, int language) {
  std::vector<ControlText> texts;
  texts.reserve(entries.size());
  for (const ControlEntry& e : entries) texts.push_back({e.control, e.property, e.entry, Text(e.entry, language)});
  return texts;
}

}  // namespace

LanguageView ApplyLanguage(int language, bool editorActive) {
  const int shown = language >= 0 && language < kLanguageCount ? language : 0;
  LanguageView view;
  view.texts = Resolve(kMainWindowTexts, shown);
  if (editorActive) {
    for (ControlText& text : view.texts) {
      if (text.control == "GameMenu") text.entry = kTextEditor;
      else if (text.control == "GameMenu_Exit") text.entry = kTextExitEditor;
      else continue;
      text.text = Text(text.entry, shown);
    }
  }
  view.texts.push_back(
      {"OptionsMenu_ResponsiveTaps", kCaption, -1, OptionsText(OptionsMenuText::ResponsiveTaps, shown)});
  // the Edit menu is the editor's own addition: its texts come from outside the table
  view.texts.push_back({"EditMenu", kCaption, -1, EditText(EditMenuText::Menu, shown)});
  view.texts.push_back({"EditMenu_Undo", kCaption, -1, EditText(EditMenuText::Undo, shown)});
  view.texts.push_back({"EditMenu_Redo", kCaption, -1, EditText(EditMenuText::Redo, shown)});
  view.languageItems = {{{"OptionsMenu_Language_English", LanguageName(0), shown == 0},
                         {"OptionsMenu_Language_Deutsch", LanguageName(1), shown == 1},
                         {"OptionsMenu_Language_Polski", LanguageName(2), shown == 2}}};
  return view;
}

std::vector<ControlText> SpeedDialogTexts(int language) { return Resolve(kSpeedDialogTexts, language); }
std::vector<ControlText> AdvancedDialogTexts(int language) { return Resolve(kAdvancedDialogTexts, language); }
std::vector<ControlText> CustomGameDialogTexts(int language) { return Resolve(kCustomGameDialogTexts, language); }
std::vector<ControlText> HelpDialogTexts(int language) { return Resolve(kHelpDialogTexts, language); }

std::string_view HelpMemoName(int language) {
  switch (language) {
    case 1: return "DeutschMemo";
    case 2: return "PolishMemo";
    default: return "EnglishMemo";
  }
}

}  // namespace quarrion
