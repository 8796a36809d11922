#include "Disc.h"

#include "core/Utf8.h"

namespace launcher::disccheck {

std::string Disc::Value(const std::string& key) const {
  return config.ConfigStrings ? host->ToNarrow(config.ConfigStrings->Get(key)) : std::string();
}

ConfigLookup Disc::Lookup() const {
  return [this](const std::string& key) { return Value(key); };
}

size_t Disc::LineOf(const std::string& key) const {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->key == key) return it->line;
  }
  return 0;
}

std::string Disc::Path(const std::string& relative) const {
  return DiscFolderHost::SystemPath(folder + "\\" + relative);
}

std::unique_ptr<Disc> LoadDisc(const std::string& folder, uint32_t language, uint32_t osMajor) {
  auto disc = std::make_unique<Disc>();
  disc->folder = folder;
  disc->host = std::make_unique<DiscFolderHost>(folder, language, osMajor);
  try {
    GetConfig(*disc->host, disc->archive, disc->config);
    if (auto text = disc->archive.Extract(disc->config.PropertiesMember)) {
      disc->entries = ReadPropertiesSection(std::string(text->begin(), text->end()), disc->config.ConfigSection,
                                            [&](std::string_view s) { return disc->host->UpperCase(s); });
    }
    const ConfigLookup lookup = disc->Lookup();
    disc->startupErrorKey = "ActionTotal";
    disc->actionTotal = ReadActionTotal(lookup);
    disc->table.resize(TableSize(disc->actionTotal));
    disc->startupErrorKey.clear();
    try {
      FillActionTable(lookup, disc->table);
    } catch (const LauncherError&) {
      // The first Assist that is no boolean is where start-up stops.
      for (size_t n = 1; n <= disc->table.size() && disc->startupErrorKey.empty(); ++n) {
        try {
          StrToBool(lookup("Assist" + std::to_string(n)));
        } catch (const LauncherError&) {
          disc->startupErrorKey = "Assist" + std::to_string(n);
        }
      }
      throw;
    }
  } catch (const std::exception& error) {
    disc->startupError = error.what();
  }
  return disc;
}

std::string Utf8(const Disc& disc, const std::string& text) { return ToUtf8(disc.host->ToWide(text)); }

}  // namespace launcher::disccheck
