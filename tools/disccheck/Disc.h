// A disc folder started the way the launcher starts: the launcher's own
// session, run over a scripted host whose drive D: is the folder and a
// recording view, with what the disc author's checks need besides: the
// start-up error the launcher would show, and the key that caused it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/LauncherSession.h"
#include "core/Properties.h"
#include "sim/DiscFolderHost.h"
#include "sim/RecordingView.h"

namespace launcher::disccheck {

struct Disc {
  std::string folder;
  // The other discs of a set, by title (UTF-8) -> folder.
  std::map<std::string, std::string> otherDiscs;
  std::unique_ptr<DiscFolderHost> host;
  std::unique_ptr<RecordingView> view;
  std::unique_ptr<LauncherSession> session;
  ZipArchive archive;                  // install.jar, open for the checks
  std::string startupError;            // what the launcher would show, empty when it starts
  std::string startupErrorKey;         // the key that caused it, when one did
  // What the last file lookup searched: another disc of the set by title,
  // and a disc asked for whose folder was not given.
  std::string searchedDisc;
  std::string unknownDisc;

  const Configuration& Settings() const { return session->Settings(); }
  // The active section's entries, with their lines.
  const std::vector<PropertyEntry>& Entries() const { return Settings().Entries; }
  const std::vector<Actions>& Table() const { return session->ActionTable(); }
  // A configuration value.
  std::string Value(const std::string& key) const { return session->ConfigText(key); }
  ConfigLookup Lookup() const { return session->Config(); }
  UpperCaseFn Upper() const {
    return [this](std::string_view s) { return host->UpperCase(s); };
  }
  // The line of the last entry with this exact key, 0 when there is none.
  size_t LineOf(const std::string& key) const;
  // A file of the disc in the drive (this one, or another of the set while
  // the launcher asks for it) on this machine; nothing when it is not there.
  std::optional<std::string> DiscPath(const std::string& name);
};

// The machine a disc is played on, and the components whose detection
// ("Installed" N) it answers as installed.
struct MachineScript {
  Machine machine{Processor::kX64, {10, 0, 19045}};
  std::vector<int32_t> installed;
};

// Starts the launcher on the disc; the archive stays open for the checks.
std::unique_ptr<Disc> LoadDisc(const std::string& folder, const std::string& language, uint32_t osMajor = kWindowsVistaMajor,
                               const std::map<std::string, std::string>& otherDiscs = {},
                               const MachineScript& machine = {});

// " [runs TEXT]" when this machine runs another text than action N's
// plain one; empty otherwise.
std::string MachineTextNote(const Disc& disc, int32_t number);

}  // namespace launcher::disccheck
