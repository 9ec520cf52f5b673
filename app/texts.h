// The interface texts in English, German and Polish: the language table of 87 entries, the texts
// that never change with the language, and the help dialog's memo. All strings are UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace quarrion {

inline constexpr int kLanguageCount = 3;  // 0 English, 1 German, 2 Polish
inline constexpr int kLanguageEntryCount = 87;

// Entries the shell fetches by itself, outside the main window's captions.
inline constexpr int kTextGame = 0;
inline constexpr int kTextEditor = 1;  // also the caption of the editor's questions
inline constexpr int kTextProgramName = 3;
inline constexpr int kTextExit = 9;
inline constexpr int kTextExitEditor = 10;
inline constexpr int kTextFast = 13;
inline constexpr int kTextHelp = 17;
inline constexpr int kTextAdvanced = 26;
inline constexpr int kTextAskSaveChanges = 39;
inline constexpr int kTextSlow = 46;
inline constexpr int kTextGameSpeed = 47;
inline constexpr int kTextAskGenerate = 54;
inline constexpr int kTextAskClear = 55;
inline constexpr int kTextAskPaste = 56;
inline constexpr int kTextCustomGame = 69;
inline constexpr int kTextAskUnpack = 76;
inline constexpr int kTextPackNotice = 79;

// The text of a table entry in a language. An unknown language reads as English; an unknown
// entry gives the empty text. The reference stays valid for the whole run.
const std::string& Text(int entry, int language);

// Texts that are the same in every language.
inline constexpr std::string_view kWindowCaption = "Quarrion";
inline constexpr std::string_view kStartupWindowCaption = "Quarrion ";  // the blank is part of it
inline constexpr std::string_view kBonusLabel = "Bonus";                // Editor_Label_Bonus
inline constexpr std::string_view kDemoRadioCaption = "Demo";           // DRadio
inline constexpr std::string_view kOkButton = "OK";
inline constexpr std::string_view kHelpTitle = "     Q U A R R I O N";

// The editor's Edit menu and its two items, which the language table does not hold.
enum class EditMenuText { Menu, Undo, Redo };
std::string_view EditText(EditMenuText text, int language);

// The Options menu's items beyond the language table.
enum class OptionsMenuText { ResponsiveTaps };
std::string_view OptionsText(OptionsMenuText text, int language);

// The message of a save, pack or unpack the player asked for that wrote nothing: what could not be
// written, the file, and why (errno as a short reason; a reason without a translation is the system's).
std::string WriteFailureText(const std::string& path, int error, int language);

// Caption of a language's own menu item: "English", "Deutsch", "Polski"; unknown reads as English.
std::string_view LanguageName(int language);

// The help dialog's memo for a language: four parts (title-screen keys, game controls, editor
// controls, cave set file format), each headed by dashes, a title and dashes, each followed by
// a blank line. Lines end in '\n'. An unknown language reads as English.
const std::string& HelpText(int language);

}  // namespace quarrion
