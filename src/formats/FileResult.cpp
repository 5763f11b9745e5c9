// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FileResult.h"

#include <cerrno>
#include <system_error>

namespace qvx {
namespace {

std::string reasonOrNone(int errorNumber) { return errorNumber != 0 ? systemReason(errorNumber) : std::string(); }

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
    return namingTheFile({FileOutcome::CannotOpen, causeForErrno(errorNumber), "Can't open file " + std::string(path),
                          reasonOrNone(errorNumber)});
}

FileResult readFailure(int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return {FileOutcome::ReadFailed, cause, fileErrorText(cause, kUnnamedFile), reasonOrNone(errorNumber)};
}

FileResult shortRead(FileOutcome outcome, std::string_view message) {
    return {outcome, kCauseNone, std::string(message), {}};
}

FileResult badContent(std::string_view where) { return {FileOutcome::BadContent, kCauseNone, std::string(where), {}}; }

FileResult badLine(std::size_t line, std::string_view reason) {
    FileResult result = badContent(std::to_string(line) + ": " + std::string(reason));
    result.placeIsLine = true;
    return result;
}

FileResult outOfMemoryReading(std::string_view path) {
    return namingTheFile({FileOutcome::ReadFailed, kCauseGeneric, "Out of memory while reading " + std::string(path),
                          systemReason(ENOMEM)});
}

FileResult outOfMemoryWriting(std::string_view path) {
    return namingTheFile({FileOutcome::WriteFailed, kCauseGeneric, "Out of memory while writing " + std::string(path),
                          systemReason(ENOMEM)});
}

FileResult cannotCreateList(std::string_view path, int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return namingTheFile({FileOutcome::CannotCreate, cause,
                          "File " + std::string(path) + " could not be opened. Cause " + std::to_string(cause),
                          reasonOrNone(errorNumber)});
}

FileResult cannotCreateList(std::string_view path, int errorNumber, std::string_view reason) {
    FileResult result = cannotCreateList(path, errorNumber);
    result.reason = reason;
    return result;
}

FileResult writeFailure(std::string_view path, int errorNumber) {
    const int cause = causeForErrno(errorNumber);
    return namingTheFile({FileOutcome::WriteFailed, cause, fileErrorText(cause, path), reasonOrNone(errorNumber)});
}

}  // namespace qvx
