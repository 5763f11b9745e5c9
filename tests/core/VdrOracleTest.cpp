// SPDX-License-Identifier: GPL-3.0-or-later
// An outside program as the judge: dvb-format-convert (Debian's dvb-tools,
// libdvbv5) writes VDR lines from a dvbv5 channel file; this reader must take
// them and find in them the tuning the dvbv5 file gives.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>

#include "FormatTestSupport.h"
#include "formats/ChannelExtras.h"
#include "formats/ListFiles.h"

extern char** environ;

namespace qvx {
namespace {

constexpr const char* kConverter = "dvb-format-convert";

// Runs the converter quietly; its exit status, or -1 when it could not be started.
int runConverter(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = kConverter;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, kConverter, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) return -1;
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Written by hand with libdvbv5's keys (dvb-file.c, dvb-v5-std.c): a DVB-S2,
// a DVB-S radio, a DVB-C and a DVB-T2 service. Satellite frequencies in kHz,
// the others in Hz.
constexpr const char* kDvbv5File =
    "[Das Erste HD]\n"
    "\tSERVICE_ID = 10301\n\tNETWORK_ID = 1\n\tTRANSPORT_ID = 1019\n"
    "\tVIDEO_PID = 5101\n\tAUDIO_PID = 5102 5103\n"
    "\tFREQUENCY = 11494000\n\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n"
    "\tINNER_FEC = 2/3\n\tMODULATION = PSK/8\n\tPILOT = AUTO\n\tROLLOFF = 35\n\tINVERSION = AUTO\n"
    "\tDELIVERY_SYSTEM = DVBS2\n"
    "\n"
    "[Bayern 1]\n"
    "\tSERVICE_ID = 28400\n\tNETWORK_ID = 1\n\tTRANSPORT_ID = 1093\n"
    "\tAUDIO_PID = 2001\n"
    "\tFREQUENCY = 12265000\n\tPOLARIZATION = VERTICAL\n\tSYMBOL_RATE = 27500000\n"
    "\tINNER_FEC = 3/4\n\tINVERSION = AUTO\n\tDELIVERY_SYSTEM = DVBS\n"
    "\n"
    "[NDR FS HH]\n"
    "\tSERVICE_ID = 28225\n\tNETWORK_ID = 61441\n\tTRANSPORT_ID = 1073\n"
    "\tVIDEO_PID = 2401\n\tAUDIO_PID = 2402\n"
    "\tFREQUENCY = 402000000\n\tSYMBOL_RATE = 6900000\n\tINNER_FEC = NONE\n\tMODULATION = QAM/64\n"
    "\tINVERSION = AUTO\n\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n"
    "\n"
    "[rbb Berlin HD]\n"
    "\tSERVICE_ID = 11\n\tNETWORK_ID = 8468\n\tTRANSPORT_ID = 11\n"
    "\tVIDEO_PID = 1201\n\tAUDIO_PID = 1202\n"
    "\tFREQUENCY = 690000000\n\tBANDWIDTH_HZ = 8000000\n\tCODE_RATE_HP = 2/3\n\tCODE_RATE_LP = NONE\n"
    "\tMODULATION = QAM/256\n\tTRANSMISSION_MODE = 32K\n\tGUARD_INTERVAL = 19/128\n\tHIERARCHY = NONE\n"
    "\tINVERSION = AUTO\n\tDELIVERY_SYSTEM = DVBT2\n";

TEST(VdrOracle, WhatDvbFormatConvertWritesReadsAsTheDvbv5FileSays) {
    testing::TemporaryFolder folder;
    const std::string input = folder.file("dvbv5.conf");
    const std::string output = folder.file("vdr.conf");
    std::ofstream(input) << kDvbv5File;
    const int status = runConverter({"-I", "DVBV5", "-O", "VDR", input, output});
    if (status < 0) GTEST_SKIP() << kConverter << " (Debian package dvb-tools) is not installed";
    ASSERT_EQ(status, 0);

    ChannelList list;
    const FileResult result = readList(output, ListFormat::Vdr, list);
    ASSERT_TRUE(result.ok()) << result.message;

    const struct {
        const char* name;
        bool radio;
        std::uint32_t frequency;  // kHz for satellites, Hz for the others
        std::uint32_t symbolRate;  // 0: not compared (DVB-T has none)
        std::uint8_t polarity, fec, qam;
        std::uint16_t videoPid, audioPid, serviceId, networkId, transportStreamId;
        DeliverySystem system;
        Modulation modulation;
        std::vector<std::uint16_t> audio;
    } expected[] = {
        {"Das Erste HD", false, 11'494'000, 22'000'000, 0, 2, 0, 5101, 5102, 10301, 1, 1019, DeliverySystem::DvbS2,
         Modulation::Psk8, {5102, 5103}},
        {"Bayern 1", true, 12'265'000, 27'500'000, 1, 3, 0, 0, 2001, 28400, 1, 1093, DeliverySystem::DvbS,
         Modulation::Qpsk, {2001}},
        {"NDR FS HH", false, 402'000'000, 6'900'000, 0, 0, 3, 2401, 2402, 28225, 61441, 1073, DeliverySystem::DvbC,
         Modulation::Qam64, {2402}},
        {"rbb Berlin HD", false, 690'000'000, 0, 0, 2, 5, 1201, 1202, 11, 8468, 11, DeliverySystem::DvbT2,
         Modulation::Qam256, {1202}},
    };
    std::size_t found = 0;
    for (const auto& e : expected) {
        SCOPED_TRACE(e.name);
        const ChannelTree& tree = e.radio ? list.radio() : list.television();
        for (const auto& provider : tree.topLevelItems()) {
            for (const auto& channel : provider->children()) {
                if (channel->label() != e.name) continue;
                ++found;
                const ChannelRecord& r = channel->record();
                EXPECT_EQ(r.frequency, e.frequency);
                if (e.symbolRate != 0) {
                    EXPECT_EQ(r.symbolRate, e.symbolRate);
                }
                EXPECT_EQ(r.polarity, e.polarity);
                EXPECT_EQ(r.fec, e.fec);
                EXPECT_EQ(r.qam, e.qam);
                EXPECT_EQ(r.videoPid, e.videoPid);
                EXPECT_EQ(r.audioPid, e.audioPid);
                EXPECT_EQ(r.serviceId, e.serviceId);
                EXPECT_EQ(r.networkId, e.networkId);
                EXPECT_EQ(r.transportStreamId, e.transportStreamId);
                ChannelExtras extras;
                ASSERT_TRUE(describeCarried(*channel, extras));
                EXPECT_EQ(extras.system, e.system);
                EXPECT_EQ(extras.modulation.value_or(Modulation::Qpsk), e.modulation);
                std::vector<std::uint16_t> audio;
                for (const StreamPid& stream : extras.audio) audio.push_back(stream.pid);
                EXPECT_EQ(audio, e.audio);
            }
        }
    }
    EXPECT_EQ(found, std::size(expected));
}

}  // namespace
}  // namespace qvx
