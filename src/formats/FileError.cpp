// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FileError.h"

#include <cerrno>
#include <utility>

namespace qvx {
namespace {

// The one place where system error numbers become cause numbers.
constexpr std::pair<int, int> kCauseOfErrno[] = {
    {0, kCauseNone},
    {ENOENT, kCauseFileNotFound},
    {ENOTDIR, kCauseBadPath},
    {ENAMETOOLONG, kCauseBadPath},
    {ELOOP, kCauseBadPath},
    {EMFILE, kCauseTooManyOpenFiles},
    {ENFILE, kCauseTooManyOpenFiles},
    {EACCES, kCauseAccessDenied},
    {EPERM, kCauseAccessDenied},
    {EROFS, kCauseAccessDenied},
    {EISDIR, kCauseAccessDenied},
    {EBADF, kCauseInvalidFile},
    {EMLINK, kCauseDirectoryFull},
    {ESPIPE, kCauseBadSeek},
    {EOVERFLOW, kCauseBadSeek},
    {EIO, kCauseHardIo},
    {ENXIO, kCauseHardIo},
    {ENODEV, kCauseHardIo},
    {ETIMEDOUT, kCauseHardIo},  // a file whose data never comes
    {EAGAIN, kCauseSharingViolation},
    {ETXTBSY, kCauseSharingViolation},
    {EBUSY, kCauseSharingViolation},
    {EDEADLK, kCauseLockViolation},
    {ENOLCK, kCauseLockViolation},
    {ENOSPC, kCauseDiskFull},
    {EDQUOT, kCauseDiskFull},
    {EFBIG, kCauseDiskFull},
};

constexpr std::string_view kTexts[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

}  // namespace

int causeForErrno(int errorNumber) {
    for (const auto& [number, cause] : kCauseOfErrno)
        if (number == errorNumber) return cause;
    return kCauseGeneric;
}

std::string fileErrorText(int cause, std::string_view fileName) {
    constexpr int count = static_cast<int>(std::size(kTexts));
    const std::string_view text = kTexts[cause >= 0 && cause < count ? cause : kCauseGeneric];
    std::string out;
    const auto marker = text.find("%1");
    if (marker == std::string_view::npos) return std::string(text);
    out.append(text.substr(0, marker));
    out.append(fileName);
    out.append(text.substr(marker + 2));
    return out;
}

}  // namespace qvx
