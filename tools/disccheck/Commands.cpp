#include "Commands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "Disc.h"
#include "Report.h"
#include "Simulation.h"
#include "core/QuietRun.h"
#include "archive/ZipWriter.h"
#include "core/Platform.h"
#include "core/Selection.h"
#include "core/Texts.h"

namespace launcher::disccheck {
namespace {

// Start-up errors end the commands that need a started launcher.
bool Started(const Disc& disc, std::ostream& err) {
  if (disc.startupError.empty()) return true;
  err << "error: the launcher stops at start with \"" << WithFinalFullStop(disc.startupError) << "\"\n";
  return false;
}

void PrintLines(const std::vector<std::string>& lines, bool json, const char* name, std::ostream& out) {
  if (json) {
    out << "{\"" << name << "\": [";
    for (size_t i = 0; i < lines.size(); ++i) out << (i ? ", " : "") << JsonString(lines[i]);
    out << "]}\n";
  } else {
    for (const std::string& line : lines) out << line << "\n";
  }
}

// The file the action tests, " [tests FILE]" (" [tests no file]" for "\\"),
// and what Windows makes of the program on the disc that it starts:
// " [administrator consent: WHY]" when it asks before the program runs, and
// " [signed (not verified)]" or " [unsigned]".
std::string ProgramNote(Disc& disc, const ActionRequest& request) {
  if (IsExitAction(request.ButtonAction) || IsMessageAction(request.ButtonAction)) return {};
  const Simulation::Outcome outcome = Simulation(disc).Probe(request);
  std::string note = outcome.fileTested == "\\" ? " [tests no file]" : " [tests " + outcome.fileTested + "]";
  const ConsentReason reason = outcome.consent.reason;
  if (reason != ConsentReason::kNone) note += " [administrator consent: " + ConsentReasonName(reason) + "]";
  if (outcome.headers.isProgram && outcome.headers.damage.empty()) {
    note += outcome.headers.isSigned ? " [signed (not verified)]" : " [unsigned]";
  }
  return note;
}

std::string RowProgramNote(Disc& disc, const std::string& entry) {
  const std::optional<int32_t> n = ActionNumberOf(entry, disc.Table().size(), disc.Upper());
  if (!n) return {};
  return MachineTextNote(disc, *n) + ProgramNote(disc, RequestOf(disc.Table()[static_cast<size_t>(*n - 1)]));
}

}  // namespace

int Menu(const std::string& folder, const std::string& language, const MachineScript& machine, bool json, std::ostream& out,
         std::ostream& err) {
  std::unique_ptr<Disc> disc = LoadDisc(folder, language, kWindowsVistaMajor, {}, machine);
  if (!Started(*disc, err)) return 2;
  std::vector<std::string> lines;
  lines.push_back("machine: " + ProcessorName(machine.machine.processor) + ", Windows " +
                  VersionText(machine.machine.windows));
  lines.push_back("title: " + disc->Value("LauncherTitle"));
  if (disc->view->rightToLeft) lines.push_back("reading order: right to left");
  const UpperCaseFn upper = [&](std::string_view s) { return disc->host->UpperCase(s); };
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const RecordingView::MenuButton& shown = disc->view->menuButtons.at(static_cast<size_t>(n));
    if (!shown.visible) {
      const bool withoutText = MenuButtonFor(disc->Lookup(), n).caption.empty();
      lines.push_back("button " + std::to_string(n) + (withoutText ? ": hidden" : ": not offered on this machine"));
      continue;
    }
    const bool checklist = IsChecklistAction(shown.action);
    lines.push_back("button " + std::to_string(n) + ": " + shown.caption +
                    (shown.hint.empty() ? "" : " [tooltip: " + shown.hint + "]") + " -> " +
                    shown.action + (checklist ? "" : ProgramNote(*disc, disc->session->MenuButtonRequest(n, shown.action))));
    if (!checklist) continue;
    disc->session->CompoundAction(shown.action);
    const RecordingView& view = *disc->view;
    for (size_t row = 0; row < view.rows.size(); ++row) {
      const std::string& entry = view.rowEntries[row];
      const std::string number = EntryNumberOf(entry, upper);
      lines.push_back("  row " + std::to_string(row + 1) + ": " + view.rows[row] + " [" +
                      disc->Value("Type" + number) + "] " +
                      OneLine(view.rowDescriptions[row]) + RowProgramNote(*disc, entry) +
                      (view.checked[row] ? "" : " [unchecked: installed]"));
    }
  }
  PrintLines(lines, json, "menu", out);
  return 0;
}

int Simulate(const std::string& folder, const std::string& language, const std::map<std::string, std::string>& discs,
             const MachineScript& machine, const SimulateScript& script, bool json, std::ostream& out,
             std::ostream& err) {
  std::unique_ptr<Disc> disc = LoadDisc(folder, language, kWindowsVistaMajor, discs, machine);
  if (!Started(*disc, err)) {
    if (script.quiet) out << "exit code: " << kExitFailure << "\n";
    return 2;
  }
  Simulation simulation(*disc);
  simulation.SetAnswers(std::deque<bool>(script.answers.begin(), script.answers.end()));
  disc->host->exitCodes = script.exitCodes;
  if (script.quiet) simulation.RunQuietly(script.unattended);
  for (const SimulateStep& step : script.quiet ? std::vector<SimulateStep>{} : script.steps) {
    if (step.kind == SimulateStep::kClick && !simulation.Click(step.number)) break;
    if (step.kind == SimulateStep::kUncheck) simulation.Uncheck(step.number);
    if (step.kind == SimulateStep::kInstall) simulation.Install();
  }
  PrintLines(simulation.Events(), json, "events", out);
  return 0;
}

int Pack(const std::string& sourceFolder, const std::string& outputFile, std::ostream& out, std::ostream& err) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (!fs::is_directory(sourceFolder, error)) {
    err << "error: " << sourceFolder << " is no folder\n";
    return 2;
  }
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(sourceFolder, error)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ZipWriter writer;
  std::map<std::string, std::vector<uint8_t>> written;
  try {
    for (const fs::path& file : files) {
      std::ifstream in(file, std::ios::binary);
      std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      std::string name = fs::relative(file, sourceFolder).generic_string();
      writer.Add(name, data);
      written[name] = std::move(data);
    }
    const std::vector<uint8_t> archive = writer.Finish();
    std::ofstream(outputFile, std::ios::binary).write(reinterpret_cast<const char*>(archive.data()),
                                                      static_cast<std::streamsize>(archive.size()));
    // Read back through the launcher's own reader before calling it done.
    ZipArchive check;
    check.Open(OpenPlatformFile(outputFile));
    for (const auto& [name, data] : written) {
      if (check.Extract(name) != data) throw ArchiveError("'" + name + "' does not read back as written");
    }
  } catch (const std::exception& failure) {
    err << "error: " << failure.what() << "\n";
    return 2;
  }
  out << "packed " << written.size() << " files into " << outputFile << " and read them back\n";
  return 0;
}

}  // namespace launcher::disccheck
