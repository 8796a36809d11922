// The launcher's own session played on a disc: the host answers from a
// script and looks files up in the disc's folder (or in the folders given
// for the other discs of a set), and what the launcher would show and start
// is printed from the typed events the host and the view write down.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "Disc.h"
#include "ProgramFile.h"

namespace launcher::disccheck {

class Simulation {
 public:
  // What start-up did is not part of what the steps print.
  explicit Simulation(Disc& disc) : disc_(disc), eventsTaken_(disc.host->log.size()) {}

  // What one action does to the file test, for the checks.
  struct Outcome {
    bool fileFound = true;
    std::string fileTested;
    std::string otherDisc;    // the disc whose folder was searched, when not this one
    std::string unknownDisc;  // a disc asked for whose folder was not given
    bool tooLong = false;     // the command line was refused
    std::string program;      // the program started, when it is on a disc (relative to that disc)
    ProgramConsent consent;   // whether Windows asks for administrator consent before it runs
    ProgramHeaders headers;   // its header marks and signature
  };
  // Runs one action, answering OK to the disc question and Cancel to the
  // missing-file question, and leaves the launcher's state as it was.
  Outcome Probe(const ActionRequest& request);

  // The steps of `disccheck simulate`; each writes its events. False once
  // the launcher has ended.
  bool Click(int button);
  void Uncheck(int row);
  void Install();
  // The unattended run, ending with its exit code's line.
  void RunQuietly(const LauncherArguments& arguments);
  void SetAnswers(std::deque<bool> answers) { disc_.host->answers = std::move(answers); }
  // The events so far, in UTF-8.
  const std::vector<std::string>& Events() const { return lines_; }

 private:
  void Note(const std::string& line) { lines_.push_back(line); }
  // Prints what the host and the view wrote down since the last step.
  void TakeEvents();
  void NoteDiscChanges(const ActionState& before);
  void ExamineProgram(const std::string& commandLine, Outcome& outcome);

  Disc& disc_;
  std::vector<std::string> lines_;
  size_t eventsTaken_;
  bool ended_ = false;
};

}  // namespace launcher::disccheck
