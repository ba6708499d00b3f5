#pragma once
// The one way this program writes a file. The bytes go to a new temporary file with an unpredictable
// name in the target's folder (created exclusively, never through a link), are flushed to disk and
// then renamed over the target, so the target is at every moment either the old file or the new one.
// A target that is a symbolic link, a folder, any other non-regular file, or a file the user may not
// write (or has marked read-only) is left untouched and the write is refused with a reason.
#include <filesystem>
#include <string>
#include <string_view>

namespace vd {

struct WriteResult {
  bool ok = false;
  // Why the write failed, naming the file: "cbm.wri is a symbolic link; it was left as it is".
  std::string message;
  explicit operator bool() const { return ok; }
};

// newMode: the permissions of a file that does not exist yet, before the umask. An existing file keeps
// its permissions (and, where the process may set them, its owner and group).
WriteResult writeFileAtomically(const std::filesystem::path& target, std::string_view bytes, unsigned newMode = 0666);

// The name pattern of our temporaries: "." + target name + ".vdtmp-" + six random characters. Ones
// older than a day (left by a killed run) are removed the first time a process writes that target.
bool isOurTemporaryName(std::string_view name, std::string_view target);

// A folder only this user may enter, made with mkdtemp under $TMPDIR (else /tmp) the first time it is
// asked for and removed with its contents when the process exits. Empty when it cannot be made.
// For files the program makes for itself (the About box's icon, a PDF before it is moved into place).
std::filesystem::path privateTempDir();

// Writes that failed in this process, whatever the reason (the headless front end exits with status
// 1 when there were any). countFailedWrite() records one refused before reaching the writer.
unsigned long failedWriteCount();
void countFailedWrite();

}  // namespace vd
