#include "Check.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "Disc.h"
#include "ProgramFile.h"
#include "Simulation.h"
#include "archive/ZipArchive.h"
#include "core/CommandLine.h"
#include "core/CommandWords.h"
#include "core/Config.h"
#include "core/KeyList.h"
#include "core/Languages.h"
#include "core/Platform.h"
#include "core/Selection.h"
#include "core/Verdict.h"
#include "core/Texts.h"
#include "core/Tokens.h"
#include "core/Utf8.h"
#include "image/Jpeg.h"

namespace launcher::disccheck {
namespace {

// What is said once for all the languages a check loads.
struct SaidOnce {
  std::set<std::string> unsignedPrograms;
};

// Where a report about an archive member points.
std::string InArchive(const std::string& member) { return std::string(kArchiveName) + "/" + member; }

// What Windows shows for a program without a signature.
constexpr char kUnsignedText[] =
    "is unsigned: Windows' SmartScreen warns before it runs from a downloaded disc image, and the consent "
    "window shows \"Unknown publisher\" where it asks for administrator rights";

class DiscChecker {
 public:
  DiscChecker(Disc& disc, Report& report, SaidOnce& said)
      : disc_(disc), report_(report), file_(InArchive(disc.Settings().PropertiesMember)), said_(said) {}

  void Run();

 private:
  void Warn(const std::string& key, const std::string& message) { report_.Warn(file_, disc_.LineOf(key), message); }
  void Error(const std::string& key, const std::string& message) { report_.Error(file_, disc_.LineOf(key), message); }
  void CheckKeySpelling();
  void CheckMenuButtons();
  void CheckCompound(int button, const std::string& list);
  void CheckAction(const std::string& key, const ActionRequest& request);
  // How the words of the action text read, once its file test is known.
  void CheckWords(const std::string& key, const ActionRequest& request, const Simulation::Outcome& outcome);
  void CheckBackgrounds();
  void CheckBackground(const std::string& member, int density);
  void CheckLineBreaks();
  void CheckResultReporting();
  void CheckSwitches();
  void CheckWaits();
  void CheckMachineKeys();
  // An option key of every menu button and numbered action, with the key of
  // the action it belongs to.
  std::vector<std::pair<std::string, std::string>> OptionKeys(const std::string& option) const;

  Disc& disc_;
  Report& report_;
  std::string file_;
  std::set<int32_t> checkedActions_;
  SaidOnce& said_;
};

void DiscChecker::Run() {
  CheckKeySpelling();
  CheckMenuButtons();
  CheckBackgrounds();
  CheckLineBreaks();
  CheckResultReporting();
  CheckSwitches();
  CheckWaits();
  CheckMachineKeys();
}

void DiscChecker::CheckKeySpelling() {
  std::map<std::string, std::string> byUpperCase;
  for (const std::string& key : KeysTheLauncherReads(disc_.session->ActionTotal())) {
    byUpperCase[disc_.host->UpperCase(key)] = key;
  }
  for (const PropertyEntry& entry : disc_.Entries()) {
    auto found = byUpperCase.find(disc_.host->UpperCase(entry.key));
    if (found != byUpperCase.end() && found->second != entry.key) {
      report_.Warn(file_, entry.line,
                   "'" + entry.key + "' is never read: the launcher looks up '" + found->second +
                       "' (letter case counts)");
    }
  }
}

void DiscChecker::CheckMenuButtons() {
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const std::string prefix = "Button" + std::to_string(n);
    const MenuButtonTexts texts = MenuButtonFor(disc_.Lookup(), n);
    const std::string action = disc_.Value(prefix + "Action");
    if (texts.caption.empty()) {
      if (!action.empty()) Warn(prefix + "Action", prefix + "Action is set but " + prefix + "Text is empty: the button is hidden");
      continue;
    }
    if (action.empty()) {
      Warn(prefix + "Text", prefix + "Text is set but " + prefix + "Action is empty: a click asks for a file that is not there");
      continue;
    }
    if (IsChecklistAction(action)) {
      CheckCompound(n, action);
    } else {
      CheckAction(prefix + "Action", disc_.session->MenuButtonRequest(n, action));
    }
  }
}

void DiscChecker::CheckCompound(int button, const std::string& list) {
  const std::string key = "Button" + std::to_string(button) + "Action";
  size_t items = 0, empty = 0;
  for (const std::string& item : SplitCompoundList(list)) {
    if (item.empty()) {
      ++empty;
    } else if (++items <= static_cast<size_t>(disc_.session->ActionTotal())) {
      const std::string number = EntryNumberOf(item, disc_.Upper());
      try {
        const int32_t n = StrToInt(number);
        if (n < 1 || n > disc_.session->ActionTotal()) {
          Error(key, "'" + item + "' names no action: ActionTotal is " + std::to_string(disc_.session->ActionTotal()));
        } else if (checkedActions_.insert(n).second) {
          CheckAction("Action" + std::to_string(n), RequestOf(disc_.Table()[static_cast<size_t>(n - 1)]));
          const std::string type = disc_.Value("Type" + std::to_string(n));
          if (std::find(std::begin(kStageWords), std::end(kStageWords), type) == std::end(kStageWords)) {
            Warn("Type" + std::to_string(n), "Type" + std::to_string(n) + " '" + type +
                                                 "' is no stage word (DEFINE, DESIGN, DEVELOP, TEST, DEPLOY, MANAGE): "
                                                 "it lights MANAGE");
          }
        }
      } catch (const LauncherError& error) {
        Error(key, "'" + item + "' has no action number: installing stops there with \"" + error.what() +
                       "\"");
      }
    }
  }
  if (empty) Warn(key, key + " has " + std::to_string(empty) + " empty item(s); they are left out");
  if (items > static_cast<size_t>(disc_.session->ActionTotal())) {
    Warn(key, key + " lists " + std::to_string(items) + " actions but ActionTotal is " +
                  std::to_string(disc_.session->ActionTotal()) + ": only the first " + std::to_string(disc_.session->ActionTotal()) +
                  " are shown");
  }
}

void DiscChecker::CheckAction(const std::string& key, const ActionRequest& request) {
  const std::string& action = request.ButtonAction;
  if (IsExitAction(action) || IsMessageAction(action)) return;
  if (ContainsText(action, kJavaToken)) {
    Warn(key, key + " starts the Java runtime named by the registry (RegKey '" + disc_.Value("RegKey") +
                  "', value PathName): not checked here");
    return;
  }
  Simulation simulation(disc_);
  const Simulation::Outcome outcome = simulation.Probe(request);
  CheckWords(key, request, outcome);
  if (!outcome.unknownDisc.empty()) {
    Warn(key, key + " needs the disc '" + outcome.unknownDisc + "': give --disc \"" +
                  outcome.unknownDisc + "=FOLDER\" to check its file '" + outcome.fileTested + "'");
  } else if (!outcome.fileFound) {
    Error(key, key + ": the launcher looks for '" + outcome.fileTested + "', which is not on " +
                   (outcome.otherDisc.empty() ? std::string("the disc") : "the disc '" + outcome.otherDisc + "'"));
  } else if (outcome.tooLong) {
    Error(key, key + ": its command line is longer than " + std::to_string(kCommandLineLimit) +
                   " characters; the launcher will not start it");
  } else if (!outcome.consent.damage.empty()) {
    Warn(key, key + ": '" + outcome.program + "' is a damaged Windows program (" + outcome.consent.damage +
                  "): Windows may refuse to start it");
  } else {
    if (outcome.consent.reason != ConsentReason::kNone) {
      Warn(key, key + ": '" + outcome.program + "' will ask for administrator consent: " +
                    ConsentReasonText(outcome.consent) + "; the launcher starts it through Windows' consent window");
    }
    if (outcome.headers.isProgram && !outcome.headers.isSigned &&
        said_.unsignedPrograms.insert(outcome.program).second) {
      Warn(key, key + ": '" + outcome.program + "' " + kUnsignedText);
    }
  }
}

std::vector<std::pair<std::string, std::string>> DiscChecker::OptionKeys(const std::string& option) const {
  std::vector<std::pair<std::string, std::string>> keys;
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const std::string prefix = "Button" + std::to_string(n);
    keys.emplace_back(prefix + option, prefix + "Action");
  }
  for (int32_t n = 1; n <= disc_.session->ActionTotal(); ++n) {
    keys.emplace_back(option + std::to_string(n), "Action" + std::to_string(n));
  }
  return keys;
}

void DiscChecker::CheckWords(const std::string& key, const ActionRequest& request,
                             const Simulation::Outcome& outcome) {
  const CommandWords split = SplitCommandWords(request.ButtonAction);
  if (split.unclosedQuote) {
    Warn(key, key + ": a quote is not closed: Windows reads the rest of the text, '" +
                  split.words.back().value + "', as one word");
  }
  if (outcome.fileFound && LooksLikeOption(outcome.fileTested) && request.Options.Check.empty()) {
    Warn(key, key + ": the launcher tests '" + outcome.fileTested + "', which reads as an option of the program but "
                    "is a file on the disc; rename it, or name the file to test with Check");
  }
}

void DiscChecker::CheckBackgrounds() {
  const std::string partner = disc_.Value("LauncherPartner");
  for (const std::string& member : {MenuBackgroundMember(partner), SelectionBackgroundMember(partner)}) {
    CheckBackground(member, 1);
    CheckBackground(HighResolutionMember(member), kHighResolutionDensity);
  }
}

// The ordinary picture of a page, which a disc is expected to have, or its
// high-resolution one for scaled screens, which it may leave out.
void DiscChecker::CheckBackground(const std::string& member, int density) {
  const bool ordinary = density == 1;
  const std::string instead = ordinary ? "the designed background is shown" : "scaled screens show the ordinary one";
  std::optional<std::vector<uint8_t>> bytes;
  try {
    bytes = disc_.archive.Extract(member);
  } catch (const ArchiveError& error) {
    report_.Warn(InArchive(member), 0, std::string(error.what()) + ": " + instead);
    return;
  }
  if (!bytes) {
    if (ordinary) report_.Warn(kArchiveName, 0, "has no " + member + ": the launcher shows its designed background");
    return;
  }
  const JpegResult picture = DecodeJpeg(bytes->data(), bytes->size());
  const int width = kPageWidth * density, height = kPageHeight * density;
  if (!picture.ok) {
    report_.Warn(InArchive(member), 0, picture.error + ": " + instead);
  } else if (picture.bitmap.width != width || picture.bitmap.height != height) {
    report_.Warn(InArchive(member), 0,
                 "is " + std::to_string(picture.bitmap.width) + " x " + std::to_string(picture.bitmap.height) +
                     ", not " + std::to_string(width) + " x " + std::to_string(height) + ": " +
                     (ordinary ? "it is shown unscaled from the top left" : "it is shown scaled to the page"));
  }
}

void DiscChecker::CheckLineBreaks() {
  std::string breaking;
  for (const char* key : kLineBreakingKeys) breaking += std::string(key) + ", ";
  for (const PropertyEntry& entry : disc_.Entries()) {
    const bool message = IsMessageAction(entry.value);
    const bool breaks = std::find_if(std::begin(kLineBreakingKeys), std::end(kLineBreakingKeys),
                                     [&](const char* key) { return entry.key == key; }) != std::end(kLineBreakingKeys);
    if (message || breaks) continue;
    if (ContainsText(disc_.host->UpperCase(entry.value), "<BR>")) {
      report_.Warn(file_, entry.line,
                   "'<br>' in " + entry.key + " is shown as it stands: the launcher breaks lines only in " +
                       breaking + "and " + std::string(kMessageMark) + " actions" +
                       (entry.key.rfind("Description", 0) == 0 ? std::string(" (descriptions use \\n)") : std::string()));
    }
  }
}

// What the disc tells its users about installers that did not succeed.
void DiscChecker::CheckResultReporting() {
  for (const char* option : {"SuccessCodes", "CancelCodes"}) {
    for (const auto& [key, action] : OptionKeys(option)) {
      const std::string codes = disc_.Value(key);
      if (!codes.empty() && !ParseExitCodes(codes)) {
        Error(key, key + " '" + codes + "' is no list of exit codes (whole numbers separated by commas): the "
                         "launcher takes none for " + action);
      }
    }
  }
  bool checklists = false;
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const MenuButtonTexts texts = MenuButtonFor(disc_.Lookup(), n);
    checklists |= !texts.caption.empty() && IsChecklistAction(texts.action);
  }
  if (checklists && disc_.Value("InstallFailedMessage").empty() && disc_.Value("InstallRestartMessage").empty()) {
    report_.Warn(file_, 0,
                 "checklists run installers, but neither InstallFailedMessage nor InstallRestartMessage is set: the "
                 "completion message reads the same whether the installers succeeded, failed or need a restart");
  }
}

// The disc's switches: how the launcher waits, and its reading order.
void DiscChecker::CheckSwitches() {
  std::vector<std::string> switches = {"WaitForWindowsInstaller", "RightToLeft"};
  for (const auto& [key, action] : OptionKeys("WaitForAll")) switches.push_back(key);
  for (const std::string& key : switches) {
    const std::string value = disc_.Value(key);
    if (!value.empty() && !IsBooleanText(value)) {
      Error(key, key + " '" + value + "' is no boolean (True, False or a number): the launcher takes it for False");
    }
  }
}

// Checklists that run Windows Installer packages without waiting for it to
// be free.
void DiscChecker::CheckWaits() {
  if (OptionalSwitch(disc_.Value("WaitForWindowsInstaller"))) return;
  std::set<int32_t> warned;
  for (int n = 1; n <= kMenuButtonCount; ++n) {
    const MenuButtonTexts texts = MenuButtonFor(disc_.Lookup(), n);
    if (texts.caption.empty() || !IsChecklistAction(texts.action)) continue;
    for (const std::string& item : SplitCompoundList(texts.action)) {
      const std::optional<int32_t> number = ActionNumberOf(item, disc_.Table().size(), disc_.Upper());
      if (!number || !warned.insert(*number).second) continue;
      const std::string action = disc_.host->UpperCase(disc_.Table()[static_cast<size_t>(*number - 1)].Action);
      if (action.find("MSIEXEC") == std::string::npos && action.find(".MSI") == std::string::npos) continue;
      const std::string key = "Action" + std::to_string(*number);
      Warn(key, key + " starts a Windows Installer package in a checklist, but WaitForWindowsInstaller is not set: "
                      "while another installation runs (the component before, an update) it fails at once with "
                      "1618");
    }
  }
}

// The keys that fit a disc to the machine, which the launcher ignores where
// it cannot read them.
void DiscChecker::CheckMachineKeys() {
  for (const auto& [key, action] : OptionKeys("Architectures")) {
    const std::string names = disc_.Value(key);
    for (const std::string& name : names.empty() ? std::vector<std::string>{} : SplitCompoundList(names)) {
      if (!ProcessorNamed(name)) {
        Error(key, key + ": '" + name + "' is no processor (x86, x64, arm64): the launcher ignores it");
      }
    }
  }
  for (const auto& [key, action] : OptionKeys("MinWindows")) {
    const std::string version = disc_.Value(key);
    if (!version.empty() && !ParseVersion(version)) {
      Error(key, key + " '" + version + "' is no version (such as 6.1 or 10.0.22000): the launcher offers " +
                     action + " on every Windows");
    }
  }
  for (const auto& [key, action] : OptionKeys("Installed")) {
    const std::string detection = disc_.Value(key);
    if (!detection.empty() && !ParseDetection(detection)) {
      Error(key, key + " '" + detection + "' is no detection the launcher knows (msi:{PRODUCT-CODE}, "
                       "uninstall:NAME[>=VERSION], file:PATH[>=VERSION], registry:KEY[\\\\VALUE]): " + action +
                       " never counts as installed");
    }
  }
  for (const auto& [option, action] : OptionKeys("Action")) {
    const bool machineText = !disc_.Value(action + "_x64").empty() || !disc_.Value(action + "_arm64").empty();
    if (machineText && disc_.Value(action).empty() && disc_.Value(action + "_x86").empty()) {
      Warn(action + "_x64", action + " has a text for x64 or Arm64 but none for the others: x86 machines (and Arm64 "
                                     "before Windows 11, without an _arm64 text) run an empty action");
    }
  }
}

void CheckLanguageKeys(const Disc& english, const Disc& other, Report& report) {
  std::set<std::string> keys;
  for (const PropertyEntry& entry : other.Entries()) keys.insert(entry.key);
  for (const PropertyEntry& entry : english.Entries()) {
    if (!entry.key.empty() && !keys.count(entry.key)) {
      report.Warn(InArchive(other.Settings().PropertiesMember), 0,
                  "lacks " + entry.key + ", which the English text has (line " +
                      std::to_string(entry.line) + ")");
    }
  }
}

// Members the launcher looks up but cannot decompress: start-up stops, or a
// background is missing, with an error that says too little of the remedy.
void CheckArchiveMethods(const ZipArchive& archive, Report& report) {
  for (const ZipArchive::Entry& entry : archive.Entries()) {
    const bool launcherReadsIt = entry.name.rfind(kPropertiesPrefix, 0) == 0 || entry.name.rfind(kImagePrefix, 0) == 0;
    if (!launcherReadsIt || ZipArchive::IsReadableMethod(entry.method)) continue;
    report.Error(InArchive(entry.name), 0,
                 "is compressed with method " + std::to_string(entry.method) + " (" +
                     ZipArchive::CompressionMethodName(entry.method) +
                     "), which the launcher does not read (it reads stored, deflated and deflate64 members): "
                     "repack the archive with 'disccheck pack FOLDER " + std::string(kArchiveName) + "'");
  }
}

// The language suffixes of the properties members the disc carries ("" for
// the base member), in the archive's order.
std::vector<std::string> LanguagesCarried(const ZipArchive& archive) {
  const std::string base = PropertiesMemberFor("");
  const std::string stem = base.substr(0, base.size() - std::string_view(".properties").size());
  std::vector<std::string> suffixes;
  for (const ZipArchive::Entry& entry : archive.Entries()) {
    const std::string& name = entry.name;
    if (name == base) {
      suffixes.emplace_back();
    } else if (name.rfind(stem + "_", 0) == 0 && name.size() > base.size() &&
               name.compare(name.size() - 11, 11, ".properties") == 0) {
      suffixes.push_back(name.substr(stem.size(), name.size() - stem.size() - 11));
    }
  }
  return suffixes;
}

// Display languages of users a disc author may have in mind.
constexpr const char* kDisplayLanguages[] = {"en-US", "en-GB", "de-DE", "de-CH", "fr-FR", "fr-CA", "es-ES",
                                             "it-IT", "nl-NL", "pt-BR", "pt-PT", "pl-PL", "ru-RU", "el-GR",
                                             "tr-TR", "ja-JP", "ko-KR", "zh-CN", "zh-TW", "zh-HK", "ar-SA", "he-IL"};

// Which member the launcher reads for each of those display languages.
void NoteLanguages(const std::vector<std::string>& carried, Report& report) {
  auto name = [](const std::string& suffix) { return suffix.empty() ? std::string("base") : suffix.substr(1); };
  std::string list;
  for (const std::string& suffix : carried) list += (list.empty() ? "" : ", ") + name(suffix);
  // Member -> the display languages that read it, in the order first read.
  std::vector<std::pair<std::string, std::string>> readers;
  for (const char* language : kDisplayLanguages) {
    std::string taken = "none";
    for (const std::string& suffix : MemberSuffixes({language})) {
      if (std::find(carried.begin(), carried.end(), suffix) == carried.end()) continue;
      taken = name(suffix);
      break;
    }
    auto found = std::find_if(readers.begin(), readers.end(), [&](const auto& r) { return r.first == taken; });
    if (found == readers.end()) {
      readers.emplace_back(taken, language);
    } else {
      found->second += std::string(", ") + language;
    }
  }
  std::string choices;
  for (const auto& [member, languages] : readers) choices += (choices.empty() ? "" : "; ") + member + " for " + languages;
  report.Note(kArchiveName, 0,
              "carries the languages " + (list.empty() ? std::string("(none)") : list) +
                  "; display languages read: " + choices);
}

// Whether the member reads the same on every Windows.
void CheckEncoding(Disc& disc, Report& report) {
  const std::string member = disc.Settings().PropertiesMember;
  const std::optional<std::vector<uint8_t>> bytes = disc.archive.Extract(member);
  if (!bytes) return;
  if (disc.Settings().Encoding == TextEncoding::kUtf8) {
    report.Note(InArchive(member), 0, "is read as UTF-8: its texts read right on every Windows");
  } else if (!IsAscii(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))) {
    report.Warn(InArchive(member), 0,
                "is read in the system's code page (here " + std::to_string(disc.host->codePage) +
                    "): its texts read right only on systems of that code page; saved as UTF-8, they read right "
                    "on all");
  } else {
    report.Note(InArchive(member), 0, "is read in the system's code page, and holds only ASCII: it reads the same on every Windows");
  }
}

bool HasMember(ZipArchive& archive, const std::string& member) {
  if (!archive.IsOpen()) return false;
  try {
    return archive.Extract(member).has_value();
  } catch (const ArchiveError&) {
    return true;  // there, but unreadable: start-up says so
  }
}

// The launcher on the disc runs from disc 1 while it asks for disc 2: unless
// Windows copies it into the page file at start, taking disc 1 out ends it.
void CheckLauncherPrograms(const std::string& folder, Report& report) {
  for (const char* name : {"Install_Windows.exe", "Install_Windows_x64.exe"}) {
    const auto file = OpenPlatformFile(DiscFolderHost::SystemPath(folder + "\\" + name));
    if (!file) continue;
    const ProgramHeaders headers = ReadProgramHeaders(*file);
    if (!headers.damage.empty()) {
      report.Warn(name, 0, "is a damaged Windows program (" + headers.damage + "): Windows may refuse to start it");
      continue;
    }
    if (!headers.isProgram) continue;
    if (!headers.runsFromSwap) {
      report.Warn(name, 0,
                  "lacks the run-from-swap marks in its header (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP, "
                  "IMAGE_FILE_NET_RUN_FROM_SWAP): Windows reads it from the disc as it runs, so taking disc 1 out "
                  "while it asks for the next one ends it; ship the launcher this project builds");
    }
    if (!headers.isSigned) report.Warn(name, 0, std::string(kUnsignedText) + "; sign it with scripts/release --sign");
  }
}

}  // namespace

void CheckDisc(const std::string& folder, const CheckOptions& options, Report& report) {
  CheckLauncherPrograms(folder, report);
  if (!std::filesystem::is_regular_file(DiscFolderHost::SystemPath(folder + "\\" + kArchiveName))) {
    report.Error(kArchiveName, 0,
                 "missing: the launcher stops at start with \"" + WithFinalFullStop(kArchiveNotOpen) + "\"");
    return;
  }
  // Every member once: the base member by a language that has no member of
  // its own ("und", undetermined), the others by their own names.
  std::vector<std::string> languages = options.allLanguages ? std::vector<std::string>{"und"} : options.languages;
  std::unique_ptr<Disc> first = LoadDisc(folder, languages.front(), kWindowsVistaMajor, options.discs);
  if (first->archive.IsOpen()) {
    CheckArchiveMethods(first->archive, report);
    const std::vector<std::string> carried = LanguagesCarried(first->archive);
    NoteLanguages(carried, report);
    for (const std::string& suffix : carried) {
      if (options.allLanguages && !suffix.empty()) languages.push_back(suffix.substr(1));
    }
  }
  std::unique_ptr<Disc> base;
  SaidOnce said;
  for (size_t index = 0; index < languages.size(); ++index) {
    std::unique_ptr<Disc> disc =
        index == 0 ? std::move(first) : LoadDisc(folder, languages[index], kWindowsVistaMajor, options.discs);
    const std::string member = disc->Settings().PropertiesMember;
    const bool hasMember = HasMember(disc->archive, member);
    if (!disc->startupError.empty()) {
      const std::string file = disc->Settings().PropertiesMember.empty() ? std::string(kArchiveName) : InArchive(member);
      report.Error(hasMember ? file : std::string(kArchiveName),
                   disc->startupErrorKey.empty() ? 0 : disc->LineOf(disc->startupErrorKey),
                   (hasMember || member.empty() ? std::string() : "has no member " + member + "; ") +
                       "the launcher stops at start with \"" + WithFinalFullStop(disc->startupError) + "\"");
      continue;
    }
    if (hasMember) CheckEncoding(*disc, report);
    DiscChecker(*disc, report, said).Run();
    if (disc->Settings().LanguageSuffix.empty()) {
      base = std::move(disc);
    } else if (base) {
      CheckLanguageKeys(*base, *disc, report);
    }
  }
}

}  // namespace launcher::disccheck
