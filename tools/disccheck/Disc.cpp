#include "Disc.h"

#include "core/Platform.h"
#include "core/Utf8.h"

namespace launcher::disccheck {
namespace {

// Which key stopped start-up: "ActionTotal", or the first "Assist" N that is
// no boolean.
std::string KeyThatStoppedStartup(const Disc& disc) {
  const ConfigLookup lookup = disc.Lookup();
  int32_t total = 0;
  try {
    total = ReadActionTotal(lookup);
    TableSize(total);
  } catch (const LauncherError&) {
    return "ActionTotal";
  }
  for (int32_t n = 1; n <= total; ++n) {
    try {
      StrToBool(lookup("Assist" + std::to_string(n)));
    } catch (const LauncherError&) {
      return "Assist" + std::to_string(n);
    }
  }
  return {};
}

}  // namespace

size_t Disc::LineOf(const std::string& key) const {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->key == key) return it->line;
  }
  return 0;
}

std::optional<std::string> Disc::DiscPath(const std::string& name) {
  const ActionState& state = session->State;
  // The disc in the drive: the one asked for while a change is pending.
  const std::string title = state.DiskChangePending ? state.RequestedDisc : state.CurrentDiscTitle;
  std::string discFolder = folder;
  searchedDisc.clear();
  if (title != state.LauncherDiscTitle) {
    auto found = otherDiscs.find(Utf8(*this, title));
    if (found == otherDiscs.end()) {
      unknownDisc = title;
      return std::nullopt;
    }
    discFolder = found->second;
    searchedDisc = title;
  }
  return host->FileIn(discFolder, name);
}

std::unique_ptr<Disc> LoadDisc(const std::string& folder, uint32_t language, uint32_t osMajor,
                               const std::map<std::string, std::string>& otherDiscs) {
  auto disc = std::make_unique<Disc>();
  disc->folder = folder;
  disc->otherDiscs = otherDiscs;
  disc->host = std::make_unique<DiscFolderHost>(folder, language, osMajor);
  disc->host->MountAsDriveD();
  disc->host->fileExists = [d = disc.get()](const std::string& name) { return d->DiscPath(name).has_value(); };
  disc->view = std::make_unique<RecordingView>([d = disc.get()](HostEvent event) { d->host->Record(std::move(event)); });
  disc->session = std::make_unique<LauncherSession>(*disc->host, *disc->view);
  try {
    disc->session->FormCreate();
  } catch (const std::exception& error) {
    disc->startupError = error.what();
    disc->startupErrorKey = disc->Settings().ConfigStrings ? KeyThatStoppedStartup(*disc) : std::string();
  }
  try {
    disc->archive.Open(OpenPlatformFile(DiscFolderHost::SystemPath(folder + "\\install.jar")));
    if (auto text = disc->archive.Extract(disc->Settings().PropertiesMember)) {
      disc->entries = ReadPropertiesSection(std::string(text->begin(), text->end()), disc->Settings().ConfigSection,
                                            disc->Upper(), disc->Lead());
    }
  } catch (const ArchiveError&) {
    // start-up says what is wrong with the archive
  }
  return disc;
}

std::string Utf8(const Disc& disc, const std::string& text) { return ToUtf8(disc.host->ToWide(text)); }

}  // namespace launcher::disccheck
