#include "ProgramFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace launcher::disccheck {
namespace {

constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr size_t kResourceDirectoryIndex = 2;
constexpr size_t kCertificateDirectoryIndex = 4;
constexpr uint64_t kCertificateHeaderSize = 8;  // WIN_CERTIFICATE: length, revision, type
constexpr uint16_t kPkcsSignedData = 2;         // WIN_CERT_TYPE_PKCS_SIGNED_DATA
constexpr uint32_t kManifestType = 24;           // RT_MANIFEST
constexpr uint32_t kProcessManifestId = 1;       // the one a program start reads
constexpr uint32_t kSubdirectoryFlag = 0x80000000u;
constexpr uint64_t kMaxManifestSize = 1u << 20;  // real manifests are a few KiB
constexpr uint16_t kRunFromSwap = 0x0400 | 0x0800;  // removable and network media
// Words that make Windows treat a 32-bit program without an execution level
// as an installer.
const char* const kInstallerWords[] = {"setup", "install", "update"};

struct Damage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Reads little-endian fields at file offsets, every read checked.
class Reader {
 public:
  explicit Reader(RandomAccessFile& file) : file_(file), size_(file.Size()) {}
  uint64_t Size() const { return size_; }

  std::vector<uint8_t> Bytes(uint64_t offset, uint64_t count, const char* what) {
    if (offset > size_ || count > size_ - offset) throw Damage(std::string(what) + " lies outside the file");
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    if (count && !file_.ReadAt(offset, bytes.data(), bytes.size())) throw Damage(std::string(what) + " cannot be read");
    return bytes;
  }
  uint16_t U16(uint64_t offset, const char* what) {
    const auto b = Bytes(offset, 2, what);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
  }
  uint32_t U32(uint64_t offset, const char* what) {
    const auto b = Bytes(offset, 4, what);
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
  }

 private:
  RandomAccessFile& file_;
  uint64_t size_;
};

struct Section {
  uint64_t virtualAddress, virtualSize, rawOffset, rawSize;
};

struct Program {
  bool is32Bit = false;
  uint16_t characteristics = 0;
  bool isSigned = false;
  std::optional<std::string> manifest;
};

class ProgramReader {
 public:
  explicit ProgramReader(RandomAccessFile& file) : in_(file) {}

  // Nothing when the file is no program.
  std::optional<Program> Read() {
    if (in_.Size() < 64 || in_.U16(0, "the DOS header") != 0x5A4D) return std::nullopt;  // "MZ"
    const uint64_t pe = in_.U32(0x3C, "the DOS header");
    if (in_.U32(pe, "the program header") != 0x00004550) throw Damage("the program header is missing");  // "PE\0\0"
    const uint64_t coff = pe + 4;
    const uint16_t sectionCount = in_.U16(coff + 2, "the file header");
    const uint16_t characteristics = in_.U16(coff + 18, "the file header");
    const uint16_t optionalSize = in_.U16(coff + 16, "the file header");
    const uint64_t optional = coff + 20;
    const uint16_t magic = in_.U16(optional, "the optional header");
    if (magic != kPe32Magic && magic != kPe32PlusMagic) throw Damage("the optional header has an unknown format");
    Program program;
    program.is32Bit = magic == kPe32Magic;
    program.characteristics = characteristics;
    const uint64_t countAt = optional + (program.is32Bit ? 92 : 108);
    const uint64_t directories = countAt + 4;
    if (countAt + 4 > optional + optionalSize) throw Damage("the optional header is too short");
    const uint32_t directoryCount = in_.U32(countAt, "the optional header");
    for (uint16_t i = 0; i < sectionCount; ++i) {
      const uint64_t at = optional + optionalSize + uint64_t{i} * 40;
      sections_.push_back(Section{in_.U32(at + 12, "the section table"), in_.U32(at + 8, "the section table"),
                                  in_.U32(at + 20, "the section table"), in_.U32(at + 16, "the section table")});
    }
    auto hasDirectory = [&](size_t index) {
      return directoryCount > index && directories + (index + 1) * 8 <= optional + optionalSize;
    };
    if (hasDirectory(kCertificateDirectoryIndex)) {
      program.isSigned = IsSignature(in_.U32(directories + kCertificateDirectoryIndex * 8, "the data directories"),
                                     in_.U32(directories + kCertificateDirectoryIndex * 8 + 4, "the data directories"));
    }
    if (!hasDirectory(kResourceDirectoryIndex)) return program;  // no resources
    const uint32_t resourceRva = in_.U32(directories + kResourceDirectoryIndex * 8, "the data directories");
    if (resourceRva == 0) return program;
    resources_ = Offset(resourceRva, "the resources");
    program.manifest = Manifest();
    return program;
  }

 private:
  // The certificate table lies in the file after the image, at a file
  // offset (not an address); its first entry says what it holds.
  bool IsSignature(uint64_t offset, uint64_t size) {
    if (size == 0) return false;
    if (offset > in_.Size() || size > in_.Size() - offset) throw Damage("the certificate table lies outside the file");
    if (size < kCertificateHeaderSize) throw Damage("the certificate table is too small for a certificate");
    const uint64_t length = in_.U32(offset, "the certificate table");
    if (length < kCertificateHeaderSize || length > size) throw Damage("the certificate table's first entry is malformed");
    return in_.U16(offset + 6, "the certificate table") == kPkcsSignedData;
  }

  uint64_t Offset(uint64_t rva, const char* what) const {
    for (const Section& s : sections_) {
      const uint64_t extent = std::max(s.virtualSize, s.rawSize);
      if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
        const uint64_t into = rva - s.virtualAddress;
        if (into >= s.rawSize) break;
        return s.rawOffset + into;
      }
    }
    throw Damage(std::string(what) + " lie outside every section");
  }

  // The entry of a resource directory with this id, else its first entry
  // when `anyId`; its offset field, or nothing.
  std::optional<uint32_t> Entry(uint64_t directory, std::optional<uint32_t> id) {
    const uint64_t named = in_.U16(directory + 12, "a resource directory");
    const uint64_t total = named + in_.U16(directory + 14, "a resource directory");
    std::optional<uint32_t> first;
    for (uint64_t i = 0; i < total; ++i) {
      const uint64_t entry = directory + 16 + i * 8;
      const uint32_t name = in_.U32(entry, "a resource directory");
      const uint32_t target = in_.U32(entry + 4, "a resource directory");
      if (i >= named && (!id || name == *id)) return target;
      if (!first) first = target;
    }
    return id ? std::nullopt : first;
  }

  uint64_t Subdirectory(uint32_t target) {
    if (!(target & kSubdirectoryFlag)) throw Damage("the resource tree is malformed");
    return resources_ + (target & ~kSubdirectoryFlag);
  }

  std::optional<std::string> Manifest() {
    const auto type = Entry(resources_, kManifestType);
    if (!type) return std::nullopt;
    const uint64_t names = Subdirectory(*type);
    auto name = Entry(names, kProcessManifestId);
    if (!name) name = Entry(names, std::nullopt);
    if (!name) return std::nullopt;
    const auto language = Entry(Subdirectory(*name), std::nullopt);
    if (!language) return std::nullopt;
    if (*language & kSubdirectoryFlag) throw Damage("the resource tree is malformed");
    const uint64_t dataEntry = resources_ + *language;
    const uint32_t rva = in_.U32(dataEntry, "the manifest's entry");
    const uint32_t size = in_.U32(dataEntry + 4, "the manifest's entry");
    if (size > kMaxManifestSize) throw Damage("the manifest is implausibly large");
    const std::vector<uint8_t> bytes = in_.Bytes(Offset(rva, "the manifest"), size, "the manifest");
    return std::string(bytes.begin(), bytes.end());
  }

  Reader in_;
  std::vector<Section> sections_;
  uint64_t resources_ = 0;
};

std::string Lower(std::string_view text) {
  std::string out;
  for (char c : text) {
    // UTF-16 manifests read as bytes: their zero bytes drop out.
    if (c != '\0') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return out;
}

// The level attribute of requestedExecutionLevel, lower-cased; empty when
// the manifest has none.
std::string RequestedLevel(const std::string& manifest) {
  const std::string text = Lower(manifest);
  const size_t element = text.find("requestedexecutionlevel");
  if (element == std::string::npos) return {};
  const size_t end = text.find('>', element);
  const std::string_view tag = std::string_view(text).substr(element, end == std::string::npos ? end : end - element);
  const size_t level = tag.find("level");
  if (level == std::string_view::npos) return {};
  const size_t open = tag.find_first_of("\"'", level);
  if (open == std::string_view::npos) return {};
  const size_t close = tag.find(tag[open], open + 1);
  return std::string(tag.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
}

}  // namespace

ProgramConsent ConsentNeededBy(RandomAccessFile& file, std::string_view fileName) {
  ProgramConsent consent;
  try {
    const std::optional<Program> program = ProgramReader(file).Read();
    if (!program) return consent;
    const std::string level = program->manifest ? RequestedLevel(*program->manifest) : std::string();
    if (level == "requireadministrator") {
      consent.reason = ConsentReason::kRequireAdministrator;
    } else if (level == "highestavailable") {
      consent.reason = ConsentReason::kHighestAvailable;
    } else if (level.empty() && program->is32Bit) {
      const std::string name = Lower(fileName.substr(std::min(fileName.find_last_of("\\/") + 1, fileName.size())));
      for (const char* word : kInstallerWords) {
        if (name.find(word) == std::string::npos) continue;
        consent.reason = ConsentReason::kInstallerDetection;
        consent.installerWord = word;
        break;
      }
    }
  } catch (const Damage& damage) {
    consent.damage = damage.what();
  }
  return consent;
}

ProgramHeaders ReadProgramHeaders(RandomAccessFile& file) {
  ProgramHeaders headers;
  try {
    const std::optional<Program> program = ProgramReader(file).Read();
    headers.isProgram = program.has_value();
    headers.runsFromSwap = program && (program->characteristics & kRunFromSwap) == kRunFromSwap;
    headers.isSigned = program && program->isSigned;
  } catch (const Damage& damage) {
    headers.isProgram = true;
    headers.damage = damage.what();
  }
  return headers;
}

std::string ConsentReasonName(ConsentReason reason) {
  switch (reason) {
    case ConsentReason::kRequireAdministrator: return "requireAdministrator";
    case ConsentReason::kHighestAvailable: return "highestAvailable";
    case ConsentReason::kInstallerDetection: return "installer detection";
    case ConsentReason::kNone: break;
  }
  return {};
}

std::string ConsentReasonText(const ProgramConsent& consent) {
  switch (consent.reason) {
    case ConsentReason::kRequireAdministrator: return "its manifest asks for requireAdministrator";
    case ConsentReason::kHighestAvailable:
      return "its manifest asks for highestAvailable (administrators are asked)";
    case ConsentReason::kInstallerDetection:
      return "it is a 32-bit program without an execution level in a manifest, and its name contains '" +
             consent.installerWord + "', which makes Windows take it for an installer";
    case ConsentReason::kNone: break;
  }
  return {};
}

}  // namespace launcher::disccheck
