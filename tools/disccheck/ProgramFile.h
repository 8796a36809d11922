// What a program file on the disc tells Windows: whether Windows asks for
// administrator consent before it runs (its manifest's requested execution
// level, or, for a 32-bit program without one, the installer detection that
// goes by its name), and whether it is copied into the page file when it
// runs from removable or network media, and whether it carries an
// Authenticode signature (not whether the signature holds: that is Windows'
// judgement, with its trusted roots). The program file is read as
// untrusted data: every offset is checked against the file, and a damaged
// file is reported, never trusted.
#pragma once

#include <string>
#include <string_view>

#include "archive/RandomAccessFile.h"

namespace launcher::disccheck {

enum class ConsentReason {
  kNone,
  kRequireAdministrator,  // the manifest asks for it
  kHighestAvailable,      // the manifest asks for it; administrators are asked
  kInstallerDetection,    // no execution level, 32-bit, and a name like setup.exe
};

struct ProgramConsent {
  ConsentReason reason = ConsentReason::kNone;
  std::string installerWord;  // with kInstallerDetection: the word its name contains
  std::string damage;         // why the file could not be read as a program; empty when it could
};

// A file that is no Windows program at all (no "MZ") needs no consent.
ProgramConsent ConsentNeededBy(RandomAccessFile& file, std::string_view fileName);

struct ProgramHeaders {
  bool isProgram = false;
  // Both IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP and IMAGE_FILE_NET_RUN_FROM_SWAP:
  // the program survives its disc being taken out while it runs.
  bool runsFromSwap = false;
  // A certificate table holding a PKCS#7 signature (signed, not verified).
  bool isSigned = false;
  std::string damage;  // why the file could not be read as a program; empty when it could
};
ProgramHeaders ReadProgramHeaders(RandomAccessFile& file);

// "requireAdministrator", "highestAvailable", "installer detection", or "".
std::string ConsentReasonName(ConsentReason reason);
// Why, in a sentence part: "its manifest asks for requireAdministrator", ...
std::string ConsentReasonText(const ProgramConsent& consent);

}  // namespace launcher::disccheck
