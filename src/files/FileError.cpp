// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileError.h"

#include "files/TranslatableText.h"

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
    QVX_TRANSLATE_NOOP("Files", "No error occurred."),
    QVX_TRANSLATE_NOOP("Files", "An unknown error occurred while accessing %1."),
    QVX_TRANSLATE_NOOP("Files", "%1 was not found."),
    QVX_TRANSLATE_NOOP("Files", "%1 contains an invalid path."),
    QVX_TRANSLATE_NOOP("Files", "%1 could not be opened because there are too many open files."),
    QVX_TRANSLATE_NOOP("Files", "Access to %1 was denied."),
    QVX_TRANSLATE_NOOP("Files", "An invalid file handle was associated with %1."),
    QVX_TRANSLATE_NOOP("Files", "%1 could not be removed because it is the current directory."),
    QVX_TRANSLATE_NOOP("Files", "%1 could not be created because the directory is full."),
    QVX_TRANSLATE_NOOP("Files", "Seek failed on %1"),
    QVX_TRANSLATE_NOOP("Files", "A hardware I/O error was reported while accessing %1."),
    QVX_TRANSLATE_NOOP("Files", "A sharing violation occurred while accessing %1."),
    QVX_TRANSLATE_NOOP("Files", "A locking violation occurred while accessing %1."),
    QVX_TRANSLATE_NOOP("Files", "Disk full while accessing %1."),
    QVX_TRANSLATE_NOOP("Files", "An attempt was made to access %1 past its end."),
};

}  // namespace

int causeForErrno(int errorNumber) {
    for (const auto& [number, cause] : kCauseOfErrno)
        if (number == errorNumber) return cause;
    return kCauseGeneric;
}

std::string_view fileErrorSource(int cause) {
    constexpr int count = static_cast<int>(std::size(kTexts));
    return kTexts[cause >= 0 && cause < count ? cause : kCauseGeneric];
}

std::string fileErrorText(int cause, std::string_view fileName) {
    const std::string_view text = fileErrorSource(cause);
    std::string out;
    const auto marker = text.find("%1");
    if (marker == std::string_view::npos) return std::string(text);
    out.append(text.substr(0, marker));
    out.append(fileName);
    out.append(text.substr(marker + 2));
    return out;
}

}  // namespace qvx
