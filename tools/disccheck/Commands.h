// The commands of disccheck beyond "config"; each returns the exit status.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "Disc.h"
#include "core/Arguments.h"

namespace launcher::disccheck {

int Menu(const std::string& folder, const std::string& language, const MachineScript& machine, bool json, std::ostream& out,
         std::ostream& err);

struct SimulateStep {
  enum Kind { kClick, kUncheck, kInstall } kind;
  int number = 0;
};
// What the simulated user does, says and what the programs end with.
struct SimulateScript {
  std::vector<SimulateStep> steps;
  std::vector<bool> answers;
  std::map<int, int32_t> exitCodes;  // by the order of the starts, from 1; 0 for the others
  bool quiet = false;                // the unattended run instead of the steps
  LauncherArguments unattended;      // its /button or /run
};
int Simulate(const std::string& folder, const std::string& language, const std::map<std::string, std::string>& discs,
             const MachineScript& machine, const SimulateScript& script, bool json, std::ostream& out,
             std::ostream& err);

int Pack(const std::string& sourceFolder, const std::string& outputFile, std::ostream& out, std::ostream& err);

}  // namespace launcher::disccheck
