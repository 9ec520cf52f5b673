// Which text goes on which control in a language: the main window's captions and hints, the
// language check marks, and the texts of the dialogs. The window applies these lists to its
// widgets by name, so the choice of texts stays testable without a window.
#pragma once
#include <array>
#include <string_view>
#include <vector>

namespace quarrion {

enum class TextProperty { Caption, Hint };

struct ControlText {
  std::string_view control;  // component name, e.g. "GameMenu_LoadGame"
  TextProperty property;
  int entry;                 // language table entry the text comes from
  std::string_view text;     // valid for the whole run
};

struct LanguageItem {
  std::string_view control;  // "OptionsMenu_Language_English" ...
  std::string_view caption;  // the language's own name, never translated
  bool checked;
};

struct LanguageView {
  std::vector<ControlText> texts;  // in the order they are set
  std::array<LanguageItem, 3> languageItems;
};

// The main window's texts for a language. In the editor the game menu and its exit item keep
// the editor's captions ("Editor", "Exit Editor"), so a language change there does not relabel
// the editor's menu as the title screen's. An unknown language reads as English.
LanguageView ApplyLanguage(int language, bool editorActive);

// Dialog texts, set each time the dialog is shown (or activated, for the advanced dialog). The
// dialog's own caption is listed under the dialog's class name.
std::vector<ControlText> SpeedDialogTexts(int language);
std::vector<ControlText> AdvancedDialogTexts(int language);
std::vector<ControlText> CustomGameDialogTexts(int language);
std::vector<ControlText> HelpDialogTexts(int language);

// The one help memo that is visible and enabled in a language: "EnglishMemo", "DeutschMemo" or
// "PolishMemo"; the other two are hidden and disabled.
std::string_view HelpMemoName(int language);

}  // namespace quarrion
