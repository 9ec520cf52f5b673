// The command-line reading our tools share: one cave set file, flags, and "--name value" pairs,
// with one-line messages naming the program.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace quarrion::cli {

// A whole decimal number within low..high.
bool ParseNumber(const std::string& text, long low, long high, long& value);

// Reads value as a number within low..high into out, or says "PROGRAM: NAME must be LOW..HIGH".
bool NumberOption(const std::string& program, const std::string& name, const std::string& value, long low,
                  long high, long& out, std::string& error);

struct ArgumentHandlers {
  std::vector<std::string> flags;                        // options that take no value
  std::function<void(const std::string& flag)> onFlag;   // called for each of them
  // Called for every other option with its value; returns false with error filled to stop.
  std::function<bool(const std::string& name, const std::string& value, std::string& error)> onOption;
};

// Walks the arguments after the program name. Exactly one argument not starting with "--" is the
// file; a second one, an option missing its value, or a refused option stop with error filled.
bool ReadArguments(const std::vector<std::string>& args, const std::string& program, const ArgumentHandlers& handlers,
                   std::string& file, std::string& error);

}  // namespace quarrion::cli
