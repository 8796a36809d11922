// A disc folder loaded the way the launcher loads it at start, with what
// the disc author's checks need besides: the properties entries with their
// lines, and the start-up error the launcher would show.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "archive/ZipArchive.h"
#include "core/Config.h"
#include "core/DiscFolderHost.h"
#include "core/Properties.h"
#include "core/Startup.h"

namespace launcher::disccheck {

struct Disc {
  std::string folder;
  std::unique_ptr<DiscFolderHost> host;
  ZipArchive archive;
  Configuration config;
  std::vector<PropertyEntry> entries;  // the active section, with lines
  std::string startupError;            // what the launcher would show, empty when it starts
  std::string startupErrorKey;         // the key that caused it, when one did
  int32_t actionTotal = 0;
  std::vector<Actions> table;

  // A configuration value as 8-bit text.
  std::string Value(const std::string& key) const;
  ConfigLookup Lookup() const;
  // The line of the last entry with this exact key, 0 when there is none.
  size_t LineOf(const std::string& key) const;
  // A file of the disc, by a name relative to its root.
  std::string Path(const std::string& relative) const;
};

// Loads the disc; the archive stays open for further members.
std::unique_ptr<Disc> LoadDisc(const std::string& folder, uint32_t language, uint32_t osMajor = 6);

// An 8-bit text of the disc's code page in UTF-8.
std::string Utf8(const Disc& disc, const std::string& text);

}  // namespace launcher::disccheck
