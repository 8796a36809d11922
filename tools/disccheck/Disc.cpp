#include "Disc.h"

#include "core/Platform.h"
#include "core/Utf8.h"

namespace launcher::disccheck {

size_t Disc::LineOf(const std::string& key) const {
  for (auto it = Entries().rbegin(); it != Entries().rend(); ++it) {
    if (it->key == key) return it->line;
  }
  return 0;
}

std::optional<std::string> Disc::DiscPath(const std::string& name) {
  const ActionState& state = session->State();
  // The disc the action looks for: the one asked for while a change is pending.
  const std::string title = state.DiskChangePending ? state.RequestedDisc : state.CurrentDiscTitle;
  searchedDisc.clear();
  if (title != state.LauncherDiscTitle) {
    (otherDiscs.count(title) ? searchedDisc : unknownDisc) = title;
  }
  return host->FileOnDrives(name);
}

std::unique_ptr<Disc> LoadDisc(const std::string& folder, const std::string& language, uint32_t osMajor,
                               const std::map<std::string, std::string>& otherDiscs, const MachineScript& machine) {
  auto disc = std::make_unique<Disc>();
  disc->folder = folder;
  disc->otherDiscs = otherDiscs;
  disc->host = std::make_unique<DiscFolderHost>(folder, language, osMajor);
  disc->host->MountAsDriveD();
  disc->host->machine = machine.machine;
  for (const auto& [title, otherFolder] : otherDiscs) disc->host->MountDrive(otherFolder);
  disc->host->fileExists = [d = disc.get()](const std::string& name) { return d->DiscPath(name).has_value(); };
  disc->view = std::make_unique<RecordingView>([d = disc.get()](HostEvent event) { d->host->Record(std::move(event)); });
  disc->session = std::make_unique<LauncherSession>(*disc->host, *disc->view);
  try {
    disc->session->FormCreate();
  } catch (const LauncherError& error) {
    disc->startupError = error.what();
    disc->startupErrorKey = error.Key();
  } catch (const std::exception& error) {
    disc->startupError = error.what();
  }
  for (int32_t number : machine.installed) {
    if (!disc->startupError.empty()) break;
    if (auto detection = ParseDetection(disc->Value("Installed" + std::to_string(number)))) {
      disc->host->MarkInstalled(*detection);
    }
  }
  try {
    disc->archive.Open(OpenPlatformFile(DiscFolderHost::SystemPath(folder + "\\" + kArchiveName)));
  } catch (const ArchiveError&) {
    // start-up says what is wrong with the archive
  }
  return disc;
}

std::string MachineTextNote(const Disc& disc, int32_t number) {
  if (number < 1 || static_cast<size_t>(number) > disc.Table().size()) return {};
  const std::string& text = disc.Table()[static_cast<size_t>(number - 1)].Action;
  return text == disc.Value("Action" + std::to_string(number)) ? std::string() : " [runs " + text + "]";
}

}  // namespace launcher::disccheck
