// SPDX-License-Identifier: GPL-3.0-or-later
// Save over a file that changed on disk since it was loaded or last saved
// asks first ("Overwrite it?", default No); No writes nothing and tells no
// viewer. An unchanged file, and Save as, ask nothing.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include <QFile>

#include "UiTestSupport.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

using SaveChangedFile = EditorTest;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Sets the file's modification time `seconds` away from what it is.
void shiftModificationTime(const QString& path, long seconds) {
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    timespec times[2] = {status.st_atim, status.st_mtim};
    times[1].tv_sec += seconds;
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

struct Change {
    const char* what;
    std::function<void(const QString& path, const QString& spare)> apply;
    bool changed;
};

const Change kChanges[] = {
    {"nothing", [](const QString&, const QString&) {}, false},
    {"only its modification time, by a nanosecond",
     [](const QString& path, const QString&) {
         struct stat status {};
         ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
         timespec times[2] = {status.st_atim, status.st_mtim};
         times[1].tv_nsec = (times[1].tv_nsec + 1) % 1000000000;
         ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
     },
     true},
    {"other bytes of the same size, the time put back",
     [](const QString& path, const QString&) {
         const QByteArray old = contentsOf(path);
         struct stat status {};
         ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
         writeBytes(path, QByteArray(old.size(), 'x'));
         timespec times[2] = {status.st_atim, status.st_mtim};
         ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
     },
     false},  // what cannot be told from outside: same file, size and time
    {"grown by another program",
     [](const QString& path, const QString&) {
         QFile file(path);
         ASSERT_TRUE(file.open(QIODevice::Append));
         file.write("more");
     },
     true},
    {"replaced by another file of the same size and time",
     [](const QString& path, const QString& spare) {
         struct stat status {};
         ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
         writeBytes(spare, contentsOf(path));
         timespec times[2] = {status.st_atim, status.st_mtim};
         ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(spare).constData(), times, 0), 0);
         ASSERT_EQ(::rename(QFile::encodeName(spare).constData(), QFile::encodeName(path).constData()), 0);
     },
     true},
    {"removed", [](const QString& path, const QString&) { ASSERT_TRUE(QFile::remove(path)); }, true},
};

TEST_F(SaveChangedFile, SaveAsksBeforeOverwritingWhatChangedAndNoWritesNothing) {
    for (const Change& change : kChanges) {
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(std::string(change.what) + (yes ? ", Yes" : ", No"));
            const QString path = writeStandardList(QStringLiteral("channels.qvx"));
            load(1, path);
            dialog_->ClearAll(1);  // what Save would write differs from the file
            change.apply(path, pathOf(QStringLiteral("spare")));
            const QByteArray onDisk = contentsOf(path);
            prompts_->questions.clear();
            prompts_->questionDefaults.clear();
            notifications_.clear();
            prompts_->yesNoAnswers = {yes};

            dialog_->Save(1);
            if (change.changed) {
                EXPECT_EQ(prompts_->questions,
                          QStringList{path + " has changed on disk since it was loaded. Overwrite it?"});
                EXPECT_EQ(prompts_->questionDefaults, std::vector<DefaultAnswer>{DefaultAnswer::No});
            } else {
                EXPECT_TRUE(prompts_->questions.isEmpty());
            }
            const bool saved = !change.changed || yes;
            EXPECT_EQ(notifications_.size(), saved ? 1u : 0u);
            EXPECT_EQ(contentsOf(path), saved ? QByteArray::fromHex("000000000000000000000000") : onDisk);
            EXPECT_TRUE(prompts_->messages.isEmpty()) << prompts_->messages.join(' ').toStdString();

            // What a save wrote is the file's new state: the next Save asks nothing.
            if (saved) {
                prompts_->questions.clear();
                dialog_->Save(1);
                EXPECT_TRUE(prompts_->questions.isEmpty());
            }
        }
    }
}

TEST_F(SaveChangedFile, SaveAsOntoAChangedFileAsksNothingBeyondItsDialog) {
    const QString path = writeStandardList(QStringLiteral("channels.qvx"));
    load(1, path);
    shiftModificationTime(path, 5);
    prompts_->fileAnswers.push_back(path);
    dialog_->SaveAs(1);
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_NE(contentsOf(path), QByteArray());
    // From now on the saved file is the one that counts.
    shiftModificationTime(path, 5);
    prompts_->yesNoAnswers = {false};
    dialog_->Save(1);
    EXPECT_EQ(prompts_->questions.size(), 1);
}

}  // namespace
}  // namespace qvx
