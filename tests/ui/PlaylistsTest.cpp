// SPDX-License-Identifier: GPL-3.0-or-later
// Playlists in the window: Save as SAT>IP asks once per run for the server
// of channels from other lists (Cancel writes nothing), and Save as VLC
// needs none.
#include <QFile>

#include "UiTestSupport.h"
#include "session/EditorSession.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

using Playlists = EditorTest;

constexpr char kVdrFile[] =
    ":ARD\n"
    "Das Erste HD;ARD:11494:HC23M5O35P0S1:S19.2E:22000:5101=27:5102=deu@3:5104:0:10301:1:1019:0\n";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(Playlists, TheSatipServerIsAskedOncePerRunAndCancelWritesNothing) {
    const QString conf = pathOf(QStringLiteral("channels.conf"));
    {
        QFile file(conf);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kVdrFile);
    }
    load(1, conf);
    const QString satip = pathOf(QStringLiteral("router.m3u"));
    prompts_->fileAnswers.push_back(satip);
    prompts_->saveTypeAnswers.push_back(ListFormat::Satip);
    press(Command::SaveAs1);  // Cancel
    EXPECT_FALSE(QFile::exists(satip));
    EXPECT_EQ(prompts_->textQuestions.size(), 1);

    prompts_->fileAnswers.push_back(satip);
    prompts_->saveTypeAnswers.push_back(ListFormat::Satip);
    prompts_->textAnswers = {QStringLiteral("192.168.178.1"), QStringLiteral(" rtsp://10.0.0.2:554 ")};
    press(Command::SaveAs1);
    ASSERT_EQ(prompts_->messages.size(), 1);  // the address without a scheme
    EXPECT_EQ(contents(satip), "#EXTM3U\n"
                               "#EXTINF:0 group-title=\"ARD\",Das Erste HD\n"
                               "rtsp://10.0.0.2:554/?src=1&freq=11494&pol=h&ro=0.35&msys=dvbs2&mtype=8psk&sr=22000&fec=23"
                               "&pids=0,5101,5102,5104\n");

    // Kept for the run: list 2 is written on the same server without a question.
    load(2, conf);
    const QString second = pathOf(QStringLiteral("second.m3u"));
    prompts_->fileAnswers.push_back(second);
    press(Command::SaveAs2);
    EXPECT_EQ(contents(second), contents(satip));
    EXPECT_EQ(prompts_->textQuestions.size(), 3);
    // VLC needs no server.
    const QString vlc = pathOf(QStringLiteral("vlc.m3u"));
    prompts_->fileAnswers.push_back(vlc);
    prompts_->saveTypeAnswers.push_back(ListFormat::Vlc);
    press(Command::SaveAs1);
    EXPECT_TRUE(contents(vlc).startsWith("#EXTM3U\n#EXTINF:0,Das Erste HD\n#EXTVLCOPT:program=10301\ndvb-s2://"));
    EXPECT_EQ(prompts_->textQuestions.size(), 3);
    EXPECT_EQ(prompts_->messages.size(), 1);
}

}  // namespace
}  // namespace qvx
