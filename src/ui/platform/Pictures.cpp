// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/Pictures.h"

#include <array>

#include <QFile>
#include <QString>

namespace qvx {
namespace {

QIcon iconFromResource(const QString& name) {
    const QString path = QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

const char* const kTreePictureNames[] = {"provider", "channel", "channel-selected", "channel-scrambled"};

}  // namespace

QIcon treeIcon(TreeKind kind, int image) {
    // Asked for on every paint of every row: made once.
    static const auto icons = [] {
        std::array<std::array<QIcon, 4>, 2> made;
        for (int i = 0; i < 4; ++i) {
            made[0][static_cast<std::size_t>(i)] =
                iconFromResource(QStringLiteral("television-") + QLatin1String(kTreePictureNames[i]));
            made[1][static_cast<std::size_t>(i)] =
                iconFromResource(QStringLiteral("radio-") + QLatin1String(kTreePictureNames[i]));
        }
        return made;
    }();
    if (image < 0 || image > 3) return {};
    return icons[kind == TreeKind::Television ? 0 : 1][static_cast<std::size_t>(image)];
}

QIcon tabIcon(int image) {
    static const QIcon television = iconFromResource(QStringLiteral("tab-television"));
    static const QIcon radio = iconFromResource(QStringLiteral("tab-radio"));
    return image == 0 ? television : radio;
}

QIcon programIcon() {
    static const QIcon icon = iconFromResource(QStringLiteral("program-icon"));
    return icon;
}

QPixmap dragPicture(bool provider) {
    const QIcon icon =
        iconFromResource(provider ? QStringLiteral("drag-provider") : QStringLiteral("drag-channel"));
    return icon.pixmap(32, 32);
}

}  // namespace qvx
