// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ListFormat.h"

namespace qvx {

// VLC's DVB playlists, written only: an "#EXTINF" title, the Service ID as
// "#EXTVLCOPT:program=SID", and an MRL whose scheme names the delivery
// system and whose location the tuning ("dvb-s2://frequency=11494000000:
// srate=22000000:polarization=H:modulation=8PSK:fec=2/3"), in Hz and
// symbols/s.
bool writeVlcList(ByteSink& sink, const ChannelList& list, const FormatOptions& options);

}  // namespace qvx
