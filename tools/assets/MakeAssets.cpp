// SPDX-License-Identifier: GPL-3.0-or-later
// Regenerates every picture and sound the game ships with; see README.md.
#include "CardArt.h"
#include "IconArt.h"
#include "MessageArt.h"
#include "Sounds.h"
#include "WaveFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <functional>

namespace {

bool SaveImage(const QDir& dir, const QString& name, QImage image) {
    // A fixed resolution tag keeps the files independent of the machine's screen settings.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    if (image.save(dir.filePath(name), "PNG")) return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

bool SavePicture(const QDir& dir, const QString& stem, const std::function<QImage(int)>& render) {
    bool ok = true;
    // The game picks whichever set is at least as fine as the screen pixels a picture covers.
    for (int scale : {1, 2, 3}) {
        const QString name =
            stem + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + QStringLiteral(".png");
        ok &= SaveImage(dir, name, render(scale));
    }
    return ok;
}

bool SaveText(const QDir& dir, const QString& name, const QString& text) {
    QFile file(dir.filePath(name));
    const QByteArray bytes = text.toUtf8();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

bool SaveSound(const QDir& dir, const QString& name, const std::vector<float>& samples) {
    if (WriteWave(dir.filePath(name), samples, kSoundSampleRate)) return true;
    std::fprintf(stderr, "could not write %s\n", qPrintable(dir.filePath(name)));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    // Rendering text needs a platform plugin but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_assets <output-directory>\n");
        return 2;
    }
    QDir dir(args.at(1));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "could not create %s\n", qPrintable(args.at(1)));
        return 1;
    }

    bool ok = true;
    for (int k = 1; k <= 52; ++k) {
        const auto suit = static_cast<Suit>((k - 1) / 13 + 1);
        const int value = (k - 1) % 13 + 2;
        const QString stem = QStringLiteral("card%1").arg(k, 2, 10, QLatin1Char('0'));
        ok &= SavePicture(dir, stem, [suit, value](int scale) { return RenderCardFace(suit, value, scale); });
    }
    ok &= SavePicture(dir, QStringLiteral("back"), RenderCardBack);
    ok &= SavePicture(dir, QStringLiteral("pileback"), RenderPileBack);
    for (int number = 1; number <= kMessagePictureCount; ++number) {
        ok &= SavePicture(dir, QStringLiteral("msgpic%1").arg(number),
                          [number](int scale) { return RenderMessagePicture(number, scale); });
    }
    for (int size : kIconSizes)
        ok &= SaveImage(dir, QStringLiteral("icon-%1.png").arg(size), RenderIcon(size));
    ok &= SaveText(dir, QStringLiteral("icon.svg"), IconSvg());

    ok &= SaveSound(dir, QStringLiteral("Riffle.wav"), SynthesiseRiffle());
    ok &= SaveSound(dir, QStringLiteral("CardDeal1.wav"), SynthesiseCardDeal());
    ok &= SaveSound(dir, QStringLiteral("ringout.wav"), SynthesiseRingOut());
    return ok ? 0 : 1;
}
