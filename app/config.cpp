#include "app/config.h"

#include <QStandardPaths>
#include <unistd.h>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

#include "app/user_data.h"
#include "core/safe_file.h"

namespace quarrion {
namespace {

// Far beyond any real configuration; a bigger file is not ours and is not read at all.
constexpr std::size_t kMaxConfigBytes = 1 << 20;

constexpr char kConfigSection[] = "Config";
constexpr char kDataSection[] = "Data";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// One line of an INI file, kept whole so that a rewrite leaves lines it does not own untouched.
struct IniLine {
  enum class Kind { Other, Section, Entry };
  std::string text;
  Kind kind = Kind::Other;
  std::string name;  // section name or key
  std::string value;
};

// A value with blanks at either end, or one that is quoted itself, is written in quotes; the
// reader takes one pair of quotes off, so both come back as they were.
std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string Quote(const std::string& value) {
  // a line break would end the line and could forge keys or sections of its own
  if (value.find_first_of(std::string_view("\n\r\0", 3)) != std::string::npos) return {};
  if (value.empty()) return value;
  const bool blankAtEnd = value.front() == ' ' || value.front() == '\t' || value.back() == ' ' || value.back() == '\t';
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  return blankAtEnd || quoted ? '"' + value + '"' : value;
}

IniLine ClassifyLine(std::string_view raw) {
  IniLine line;
  line.text = std::string(raw);
  const std::string_view trimmed = Trim(raw);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return line;
  if (trimmed.front() == '[') {
    const auto close = trimmed.find(']');
    if (close == std::string_view::npos) return line;
    line.kind = IniLine::Kind::Section;
    line.name = std::string(Trim(trimmed.substr(1, close - 1)));
    return line;
  }
  const auto equals = trimmed.find('=');
  if (equals == std::string_view::npos) return line;
  const std::string_view key = Trim(trimmed.substr(0, equals));
  if (key.empty()) return line;
  line.kind = IniLine::Kind::Entry;
  line.name = std::string(key);
  line.value = Unquote(Trim(trimmed.substr(equals + 1)));
  return line;
}

std::vector<IniLine> SplitLines(std::string_view text) {
  // a UTF-8 mark from a text editor, perhaps more than one: the rewrite drops them all, so the
  // first read must not see a line the next read would take as a section
  while (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<IniLine> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    if (raw.ends_with('\r')) raw.remove_suffix(1);
    lines.push_back(ClassifyLine(raw));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// First value of the key in the first matching section, as the profile routines find it.
std::optional<std::string> Lookup(const std::vector<IniLine>& lines, std::string_view section, std::string_view key) {
  bool inSection = false;
  for (const IniLine& line : lines) {
    if (line.kind == IniLine::Kind::Section) inSection = SameName(line.name, section);
    if (inSection && line.kind == IniLine::Kind::Entry && SameName(line.name, key)) return line.value;
  }
  return std::nullopt;
}

std::optional<long long> ParseInteger(std::string_view text) {
  text = Trim(text);
  if (text.starts_with('+')) text.remove_prefix(1);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A choice byte: missing key gives its default, anything present but not 0..highest gives 0.
uint8_t ReadChoice(const std::vector<IniLine>& lines, std::string_view key, uint8_t missing, int highest) {
  const auto text = Lookup(lines, kConfigSection, key);
  if (!text) return missing;
  const auto value = ParseInteger(*text);
  return value && *value >= 0 && *value <= highest ? uint8_t(*value) : 0;
}

int8_t ReadSpeed(const std::vector<IniLine>& lines) {
  constexpr int8_t kDefaultSpeed = 14;
  const auto text = Lookup(lines, kConfigSection, "Speed");
  if (!text) return kDefaultSpeed;
  const auto value = ParseInteger(*text);
  return value && *value >= 0 && *value <= 24 ? int8_t(*value) : kDefaultSpeed;
}

void ReadPath(const std::vector<IniLine>& lines, std::string_view section, std::string_view key, std::string& path) {
  if (auto text = Lookup(lines, section, key)) path = std::move(*text);
}

// Packs inside the program's data are stored relative to it, so a moved install still finds them.
void ReadPackPath(const std::vector<IniLine>& lines, std::string_view key, std::string& path,
                  const std::string& programFolder) {
  if (auto text = Lookup(lines, kDataSection, key)) path = ResolvedPackPath(*text, programFolder);
}

struct KeyValue {
  const char* section;
  const char* key;
  std::string value;
};

std::vector<KeyValue> KeysInTableOrder(const Config& config) {
  return {{kConfigSection, "Open", config.lastCaveSetPath},
          {kConfigSection, "Language", std::to_string(int(config.language))},
          {kConfigSection, "Speed", std::to_string(int(config.speed))},
          {kConfigSection, "SoundOFF", std::to_string(int(config.soundOff))},
          {kConfigSection, "Zoom", std::to_string(int(config.zoom))},
          {kDataSection, "Graph24", config.graph24Path},
          {kDataSection, "Graph32", config.graph32Path},
          {kDataSection, "Graph40", config.graph40Path},
          {kDataSection, "Fonts", config.fontsPath},
          {kDataSection, "Sounds", config.soundsPath},
          {kDataSection, "Music", config.musicPath},
          {kDataSection, "SoundFont", config.soundFont},
          {kConfigSection, "ResponsiveTaps", std::to_string(int(config.responsiveTaps))}};
}

void SetKey(std::vector<IniLine>& lines, const KeyValue& entry) {
  IniLine line;
  line.kind = IniLine::Kind::Entry;
  line.name = entry.key;
  line.text = std::string(entry.key) + '=' + Quote(entry.value);

  std::size_t header = 0;
  while (header < lines.size() &&
         !(lines[header].kind == IniLine::Kind::Section && SameName(lines[header].name, entry.section)))
    ++header;
  if (header == lines.size()) {
    if (!lines.empty() && !Trim(lines.back().text).empty()) lines.push_back(IniLine{});
    IniLine section;
    section.kind = IniLine::Kind::Section;
    section.name = entry.section;
    section.text = '[' + std::string(entry.section) + ']';
    lines.push_back(section);
    lines.push_back(line);
    return;
  }
  std::size_t insertAt = header + 1;
  for (std::size_t i = header + 1; i < lines.size() && lines[i].kind != IniLine::Kind::Section; ++i) {
    if (lines[i].kind != IniLine::Kind::Entry) continue;
    if (SameName(lines[i].name, entry.key)) {
      lines[i] = line;
      return;
    }
    insertAt = i + 1;
  }
  lines.insert(lines.begin() + std::ptrdiff_t(insertAt), line);
}

std::string FilePath(const std::string& programFolder) {
  return ConfigFolder(programFolder) + std::string(kConfigFileName);
}

// The whole file, or nothing when it is missing, not a plain file, unreadable or oversized.
std::optional<std::string> ReadSmallFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || error) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string text(kMaxConfigBytes + 1, '\0');
  file.read(text.data(), std::streamsize(text.size()));
  if (file.bad()) return std::nullopt;
  const auto count = std::size_t(file.gcount());
  if (count > kMaxConfigBytes) return std::nullopt;
  text.resize(count);
  return text;
}

}  // namespace

std::string WithTrailingSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string ConfigFolder(const std::string& programFolder) {
  const std::string folder = WithTrailingSeparator(programFolder);
  // a folder that is missing altogether is not an installed program: its writes just fail
  const bool installed = DataFolder(folder) != folder;
  if (access(folder.c_str(), F_OK) != 0 || (!installed && access(folder.c_str(), W_OK) == 0)) return folder;
  // an installed program folder is read-only, or belongs to the package manager even for root:
  // keep the settings where the user's settings live
  const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (user.isEmpty()) return folder;
  const std::string userFolder = WithTrailingSeparator(user.toStdString()) + "Quarrion/";
  std::error_code error;
  std::filesystem::create_directories(userFolder, error);
  return userFolder;
}

Config DefaultConfig(const std::string& programFolder) {
  const std::string packs = DataFolder(programFolder) + "data/standard/";
  Config config;
  config.graph24Path = packs + "Graphics24.dxg";
  config.graph32Path = packs + "Graphics32.dxg";
  config.graph40Path = packs + "Graphics40.dxg";
  config.fontsPath = packs + "Fonts.dxg";
  config.soundsPath = packs + "Sounds.dxw";
  config.musicPath = packs + "Quarrion.mid";
  return config;
}

Config ParseConfig(std::string_view text, const std::string& programFolder) {
  const std::vector<IniLine> lines = SplitLines(text);
  Config config = DefaultConfig(programFolder);
  ReadPath(lines, kConfigSection, "Open", config.lastCaveSetPath);
  config.language = ReadChoice(lines, "Language", 0, 2);
  config.speed = ReadSpeed(lines);
  config.soundOff = ReadChoice(lines, "SoundOFF", 0, 1);
  // a missing Zoom starts medium, an unusable one small
  config.zoom = ReadChoice(lines, "Zoom", 1, 2);
  config.responsiveTaps = ReadChoice(lines, "ResponsiveTaps", 0, 1);
  ReadPackPath(lines, "Graph24", config.graph24Path, programFolder);
  ReadPackPath(lines, "Graph32", config.graph32Path, programFolder);
  ReadPackPath(lines, "Graph40", config.graph40Path, programFolder);
  ReadPackPath(lines, "Fonts", config.fontsPath, programFolder);
  ReadPackPath(lines, "Sounds", config.soundsPath, programFolder);
  ReadPackPath(lines, "Music", config.musicPath, programFolder);
  ReadPath(lines, kDataSection, "SoundFont", config.soundFont);
  return config;
}

std::string UpdateConfigText(std::string_view oldText, const Config& config) {
  std::vector<IniLine> lines = SplitLines(oldText);
  for (const KeyValue& entry : KeysInTableOrder(config)) SetKey(lines, entry);
  std::string text;
  for (const IniLine& line : lines) text += line.text + '\n';
  return text;
}

Config ReadConfig(const std::string& programFolder) {
  const auto text = ReadSmallFile(FilePath(programFolder));
  return ParseConfig(text ? std::string_view(*text) : std::string_view(), programFolder);
}

bool WriteConfig(const std::string& programFolder, const Config& config) {
  const std::string path = FilePath(programFolder);
  const auto old = ReadSmallFile(path);
  Config stored = config;
  for (std::string* pack : {&stored.graph24Path, &stored.graph32Path, &stored.graph40Path, &stored.fontsPath,
                            &stored.soundsPath, &stored.musicPath})
    *pack = StoredPackPath(*pack, programFolder);
  const std::string text = UpdateConfigText(old ? std::string_view(*old) : std::string_view(), stored);

  return bool(WriteFileSafely(path, text));
}

}  // namespace quarrion
