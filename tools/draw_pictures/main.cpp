// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures and writes them as PNG files with real transparency:
//   draw_pictures SOURCE_DIR [--contact-sheet FILE]
// Writes src/ui/pictures/*.png (each with an @2x variant) and the program icon in the
// hicolor sizes under data/icons. The contact sheet shows every picture at 1x, 2x and
// magnified on light and dark ground, for judging the small sizes by eye.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <functional>
#include <vector>

#include "Glyphs.h"

namespace {

using Draw = std::function<void(QPainter&)>;

struct Picture {
    QString name;
    int size;          // pixels at 1x
    int designUnits;   // the drawing's own coordinate range
    Draw draw;
};

QImage render(const Draw& draw, int pixels, int designUnits) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(qreal(pixels) / designUnits, qreal(pixels) / designUnits);
    draw(painter);
    painter.end();
    return image;
}

bool save(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        QTextStream(stderr) << "Cannot write " << path << "\n";
        return false;
    }
    return true;
}

std::vector<Picture> pictureList() {
    using namespace pictures;
    std::vector<Picture> list;
    const auto channels = [&list](const QString& kind, void (*draw)(QPainter&, ChannelLook)) {
        list.push_back({kind + "-channel", 16, 16, [draw](QPainter& p) { draw(p, ChannelLook::Free); }});
        list.push_back(
            {kind + "-channel-selected", 16, 16, [draw](QPainter& p) { draw(p, ChannelLook::Selected); }});
        list.push_back(
            {kind + "-channel-scrambled", 16, 16, [draw](QPainter& p) { draw(p, ChannelLook::Scrambled); }});
    };
    list.push_back({"program-icon", 32, 32, drawProgramIcon32});
    list.push_back({"tab-television", 16, 16, drawTelevisionTab});
    list.push_back({"tab-radio", 16, 16, drawRadioTab});
    list.push_back({"television-provider", 16, 16, drawTelevisionProvider});
    channels("television", drawTelevisionChannel);
    list.push_back({"radio-provider", 16, 16, drawRadioProvider});
    channels("radio", drawRadioChannel);
    list.push_back({"drag-provider", 32, 32, drawProviderDrag});
    list.push_back({"drag-channel", 32, 32, drawChannelDrag});
    return list;
}

QImage magnified(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage contactSheet(const std::vector<Picture>& list) {
    // Each cell: 1x and 2x magnified to 128 pixels, then both at true size on light and dark.
    constexpr int shown = 128;
    constexpr int cellWidth = 2 * shown + 24;
    constexpr int cellHeight = shown + 96;
    constexpr int columns = 4;
    const int rows = int((list.size() + columns - 1) / columns);
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xe0, 0xe0, 0xe0));
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Picture& picture = list[i];
        const int x = int(i % columns) * cellWidth + 8;
        const int y = int(i / columns) * cellHeight + 8;
        const QImage one = render(picture.draw, picture.size, picture.designUnits);
        const QImage two = render(picture.draw, picture.size * 2, picture.designUnits);
        painter.fillRect(x, y, 2 * shown + 8, shown, Qt::white);
        painter.drawImage(x, y, magnified(one, shown / picture.size));
        painter.drawImage(x + shown + 8, y, magnified(two, shown / picture.size / 2));
        painter.fillRect(x, y + shown + 4, 2 * shown + 8, 72, Qt::white);
        painter.fillRect(x + shown + 4, y + shown + 4, shown + 4, 72, QColor(0x30, 0x30, 0x38));
        for (int ground = 0; ground < 2; ++ground) {
            const int gx = x + 4 + ground * (shown + 8);
            painter.drawImage(gx, y + shown + 8, one);
            painter.drawImage(gx + picture.size + 8, y + shown + 8, two);
        }
        painter.setPen(Qt::black);
        painter.drawText(x, y + cellHeight - 12, picture.name);
    }
    painter.end();
    return sheet;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        QTextStream(stderr) << "usage: draw_pictures SOURCE_DIR [--contact-sheet FILE]\n";
        return 2;
    }
    const QDir source(arguments.at(1));
    const std::vector<Picture> list = pictureList();
    bool ok = true;
    for (const Picture& picture : list) {
        const QString base = source.filePath("src/ui/pictures/" + picture.name);
        ok &= save(render(picture.draw, picture.size, picture.designUnits), base + ".png");
        ok &= save(render(picture.draw, picture.size * 2, picture.designUnits), base + "@2x.png");
    }
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const bool small = size == 16;
        const Draw draw = small ? Draw(pictures::drawProgramIcon16) : Draw(pictures::drawProgramIcon32);
        const QString path = source.filePath(
            QStringLiteral("data/icons/hicolor/%1x%1/apps/quorvex-editor.png").arg(size));
        ok &= save(render(draw, size, small ? 16 : 32), path);
    }
    const int sheetAt = int(arguments.indexOf("--contact-sheet"));
    if (sheetAt > 0 && sheetAt + 1 < arguments.size()) {
        ok &= save(contactSheet(list), arguments.at(sheetAt + 1));
    }
    return ok ? 0 : 1;
}
