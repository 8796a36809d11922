// The launcher's own action runner played on a disc folder: the host
// answers from a script, looks files up in the disc's folder (or in the
// folders given for the other discs of a set), and writes down what the
// launcher would show and start.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Disc.h"
#include "ProgramConsent.h"
#include "core/ScriptedActionHost.h"
#include "core/SingleAction.h"

namespace launcher::disccheck {

class Simulation {
 public:
  // discs: the other discs of the set, by title (UTF-8) -> folder.
  Simulation(Disc& disc, const std::map<std::string, std::string>& discs);

  // What one action does to the file test, for the checks.
  struct Outcome {
    bool fileFound = true;
    std::string fileTested;
    std::string otherDisc;    // the disc whose folder was searched, when not this one
    std::string unknownDisc;  // a disc asked for whose folder was not given
    std::string tooLong;      // set when the command line was refused
    std::string program;      // the program started, when it is on a disc (relative to that disc)
    ProgramConsent consent;   // whether Windows asks for administrator consent before it runs
  };
  // Runs one action, answering OK to the disc question and Cancel to the
  // missing-file question.
  Outcome Probe(const std::string& action, bool assist, const std::string& assistText);

  // The steps of `disccheck simulate`; each writes its events. False once
  // the launcher has ended.
  bool Click(int button);
  void Uncheck(int row);
  void Install();
  void SetAnswers(std::deque<bool> answers) { host_.answers = std::move(answers); }
  // The events so far, in UTF-8.
  std::vector<std::string> Events() const;

 private:
  bool FileExists(const std::string& name) { return DiscPath(name).has_value(); }
  // The file's path on this machine, when it is on the disc in the drive.
  std::optional<std::string> DiscPath(const std::string& name);
  void ExamineProgram(const std::string& commandLine, Outcome& outcome);
  void Note(const std::string& line) { host_.events.push_back(line); }
  void NoteDiscChanges(const ActionState& before);

  Disc& disc_;
  std::map<std::string, std::string> discs_;
  ScriptedActionHost host_;
  ActionState state_;
  std::vector<LaunchAct> entries_;
  std::string lastTested_;
  std::string searchedDisc_;
  std::string unknownDisc_;
  bool ended_ = false;
};

}  // namespace launcher::disccheck
