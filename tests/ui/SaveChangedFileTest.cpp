// SPDX-License-Identifier: GPL-3.0-or-later
// Save over a file that changed on disk since it was loaded or last saved
// asks first ("Overwrite it?", default No); No writes nothing and tells no
// viewer. An unchanged file, and Save as, ask nothing more.
#include <fcntl.h>
#include <sys/stat.h>

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

struct timespec modificationTime(const QString& path) {
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    return status.st_mtim;
}

void setModificationTime(const QString& path, struct timespec time) {
    const timespec times[2] = {{0, UTIME_OMIT}, time};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

TEST_F(SaveChangedFile, SaveAsksBeforeOverwritingWhatChangedAndNoWritesNothing) {
    const struct {
        const char* shell;  // run in the folder, on channels.qvx
        long nanoseconds;   // then its old modification time, moved by this; -1: left as the shell left it
        bool changed;
    } changes[] = {
        {"true", -1, false},
        {"true", 1, true},  // only the time, by a nanosecond
        // Other bytes of the same size, the time put back: what cannot be told from outside.
        {"printf x | dd of=channels.qvx conv=notrunc 2>/dev/null", 0, false},
        {"echo more >>channels.qvx", -1, true},
        {"cp -p channels.qvx spare && mv spare channels.qvx", -1, true},  // another file, same size and time
        {"rm channels.qvx", -1, true},
    };
    for (const auto& change : changes) {
        for (const bool yes : {false, true}) {
            SCOPED_TRACE(std::string(change.shell) + (yes ? ", Yes" : ", No"));
            const QString path = writeStandardList(QStringLiteral("channels.qvx"));
            load(1, path);
            press(Command::ClearAll1);  // what Save would write differs from the file
            timespec time = modificationTime(path);
            ASSERT_EQ(std::system(("cd '" + pathOf(QString()) + "' && " + change.shell).toLocal8Bit().constData()), 0);
            if (change.nanoseconds >= 0) {
                time.tv_nsec = (time.tv_nsec + change.nanoseconds) % 1000000000;
                setModificationTime(path, time);
            }
            const QByteArray onDisk = contentsOf(path);
            prompts_->questions.clear();
            prompts_->questionDefaults.clear();
            notifications_.clear();
            prompts_->yesNoAnswers = {yes};

            press(Command::Save1);
            const QStringList asked{path + " has changed on disk since it was loaded. Overwrite it?"};
            EXPECT_EQ(prompts_->questions, change.changed ? asked : QStringList());
            if (change.changed) {
                EXPECT_EQ(prompts_->questionDefaults, std::vector<DefaultAnswer>{DefaultAnswer::No});
            }
            const bool saved = !change.changed || yes;
            EXPECT_EQ(notifications_.size(), saved ? 1u : 0u);
            EXPECT_EQ(contentsOf(path), saved ? QByteArray::fromHex("000000000000000000000000") : onDisk);
            // What a save wrote is the file's state from then on: the next Save asks nothing.
            prompts_->questions.clear();
            if (saved) press(Command::Save1);
            EXPECT_TRUE(prompts_->questions.isEmpty());
        }
    }
    // Save as asks only its dialog's question.
    const QString path = pathOf(QStringLiteral("channels.qvx"));
    setModificationTime(path, {1, 0});
    prompts_->fileAnswers.push_back(path);
    press(Command::SaveAs1);
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

}  // namespace
}  // namespace qvx
