// quarrion-soak CAVESET [--solutions FILE] [--passes N] [--generated N] [--seed N] [--run-length N]
// Plays the set's levels and generated caves headless and checks every pass; prints the figures and
// every fault, and exits 1 when there was one.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/cave_set_file.h"
#include "tools/sim/arguments.h"
#include "tools/soak/soak.h"

int main(int argc, char** argv) {
  using namespace quarrion;
  const std::string program = "quarrion-soak";
  SoakOptions options;
  std::string solutionsPath, file, error;
  cli::ArgumentHandlers handlers;
  handlers.onFlag = [](const std::string&) {};
  handlers.onOption = [&](const std::string& name, const std::string& value, std::string& why) {
    long number = 0;
    if (name == "--solutions") {
      solutionsPath = value;
      return true;
    }
    if (name == "--passes") return cli::NumberOption(program, name, value, 0, 2000000000L, options.passes, why);
    if (name == "--generated" || name == "--seed" || name == "--run-length") {
      const long low = name == "--run-length" ? 4 : 0;
      const long high = name == "--seed" ? 4294967295L : 10000000L;
      if (!cli::NumberOption(program, name, value, low, high, number, why)) return false;
      if (name == "--generated") options.generatedCaves = int(number);
      if (name == "--seed") options.seed = uint32_t(number);
      if (name == "--run-length") options.passesPerRun = int(number);
      return true;
    }
    if (why.empty()) why = program + ": unknown option " + name;
    return false;
  };
  if (!cli::ReadArguments(std::vector<std::string>(argv + 1, argv + argc), program, handlers, file, error) || file.empty()) {
    std::fprintf(stderr, "%s\n", error.empty() ? "usage: quarrion-soak CAVESET [--solutions FILE] [--passes N] "
                                                 "[--generated N] [--seed N] [--run-length N]" : error.c_str());
    return 2;
  }
  auto caves = std::make_unique<CaveSet>();
  if (!ReadCaveSetFile(file, *caves)) {
    std::fprintf(stderr, "%s: cannot read a cave set from %s\n", program.c_str(), file.c_str());
    return 2;
  }
  Solutions solutions;
  std::vector<std::string> errors;
  if (!solutionsPath.empty() && !ReadSolutions(solutionsPath, solutions, errors)) {
    for (const auto& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  long nextFigure = 1000000;
  options.afterRun = [&](const SoakReport& soFar) {
    if (soFar.passes < nextFigure) return;
    nextFigure += 1000000;
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld passes after %.0f s, %ld runs, %zu faults\n", soFar.passes, elapsed, soFar.runs, soFar.faults.size());
    std::fflush(stdout);
  };
  const SoakReport report = RunSoak(*caves, solutions, options);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const std::string& fault : report.faults) std::printf("FAULT %s\n", fault.c_str());
  std::printf("%ld passes in %.0f s: %ld runs played twice (%ld stored solutions, %ld on generated caves), "
              "%ld demos recorded and played back, %zu faults\n",
              report.passes, seconds, report.runs, report.solutionRuns, report.generatedRuns, report.demoChecks,
              report.faults.size());
  return report.faults.empty() ? 0 : 1;
}
