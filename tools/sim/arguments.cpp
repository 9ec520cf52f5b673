#include "tools/sim/arguments.h"

#include <algorithm>
#include <charconv>

namespace quarrion::cli {

bool ParseNumber(const std::string& text, long low, long high, long& value) {
  long v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (ec != std::errc{} || ptr != end || text.empty() || v < low || v > high) return false;
  value = v;
  return true;
}

bool NumberOption(const std::string& program, const std::string& name, const std::string& value, long low,
                  long high, long& out, std::string& error) {
  if (ParseNumber(value, low, high, out)) return true;
  error = program + ": " + name + " must be " + std::to_string(low) + ".." + std::to_string(high);
  return false;
}

bool ReadArguments(const std::vector<std::string>& args, const std::string& program, const ArgumentHandlers& handlers,
                   std::string& file, std::string& error) {
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      if (haveFile) {
        error = program + ": more than one cave set file given";
        return false;
      }
      file = arg;
      haveFile = true;
      continue;
    }
    if (std::find(handlers.flags.begin(), handlers.flags.end(), arg) != handlers.flags.end()) {
      if (handlers.onFlag) handlers.onFlag(arg);
      continue;
    }
    if (i + 1 >= args.size()) {
      error = program + ": " + arg + " needs a value";
      return false;
    }
    if (!handlers.onOption(arg, args[++i], error)) return false;
  }
  return true;
}

}  // namespace quarrion::cli
