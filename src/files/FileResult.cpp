// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileResult.h"

#include <cerrno>
#include <system_error>

#include "files/TranslatableText.h"

namespace qvx {
namespace {

std::string reasonOrNone(int errorNumber) { return errorNumber != 0 ? systemReason(errorNumber) : std::string(); }

// A result whose message is `source` with its arguments for %1, %2.
FileResult worded(FileOutcome outcome, int cause, std::string_view source, std::vector<std::string> arguments,
                  std::string reason) {
    std::string message(source);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string marker = "%" + std::to_string(i + 1);
        if (const auto at = message.find(marker); at != std::string::npos) message.replace(at, marker.size(), arguments[i]);
    }
    FileResult result{outcome, cause, std::move(message), std::move(reason)};
    result.messageSource = source;
    result.messageArguments = std::move(arguments);
    return result;
}

// A result whose message names the file it is about (the readers' own texts do not).
FileResult namingTheFile(FileResult result) {
    result.namesFile = true;
    return result;
}

}  // namespace

std::string FileResult::messageWithReason() const {
    if (reason.empty()) return message;
    // "... accessing /x/list.qvx.: reason" would read as if the dot were part of the name.
    if (!message.empty() && message.back() == '.') return message + " " + reason;
    return message + ": " + reason;
}

std::string systemReason(int errorNumber) { return std::generic_category().message(errorNumber); }

FileResult cannotOpenList(std::string_view path, int errorNumber) {
    return namingTheFile(worded(FileOutcome::CannotOpen, causeForErrno(errorNumber), QVX_TRANSLATE_NOOP("Files", "Can't open file %1"),
                  {std::string(path)}, reasonOrNone(errorNumber)));
}

FileResult readFailure(int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return worded(FileOutcome::ReadFailed, cause, fileErrorSource(cause), {std::string(kUnnamedFile)},
                  reasonOrNone(errorNumber));
}

FileResult shortRead(FileOutcome outcome, std::string_view message) {
    return worded(outcome, kCauseNone, message, {}, {});
}

FileResult badContent(std::string_view where) { return {FileOutcome::BadContent, kCauseNone, std::string(where), {}}; }

FileResult badLine(std::size_t line, std::string_view reason) {
    FileResult result = badContent(std::to_string(line) + ": " + std::string(reason));
    result.placeIsLine = true;
    return result;
}

FileResult outOfMemoryReading(std::string_view path) {
    return namingTheFile(worded(FileOutcome::ReadFailed, kCauseGeneric, QVX_TRANSLATE_NOOP("Files", "Out of memory while reading %1"),
                  {std::string(path)}, systemReason(ENOMEM)));
}

FileResult outOfMemoryWriting(std::string_view path) {
    return namingTheFile(worded(FileOutcome::WriteFailed, kCauseGeneric, QVX_TRANSLATE_NOOP("Files", "Out of memory while writing %1"),
                  {std::string(path)}, systemReason(ENOMEM)));
}

FileResult cannotCreateList(std::string_view path, int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return namingTheFile(worded(FileOutcome::CannotCreate, cause,
                  QVX_TRANSLATE_NOOP("Files", "File %1 could not be opened. Cause %2"),
                  {std::string(path), std::to_string(cause)}, reasonOrNone(errorNumber)));
}

FileResult cannotCreateList(std::string_view path, int errorNumber, std::string_view reason) {
    FileResult result = cannotCreateList(path, errorNumber);
    result.reason = reason;
    return result;
}

FileResult writeFailure(std::string_view path, int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return namingTheFile(worded(FileOutcome::WriteFailed, cause, fileErrorSource(cause), {std::string(path)},
                  reasonOrNone(errorNumber)));
}

}  // namespace qvx
