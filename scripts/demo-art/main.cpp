// demo-art: draws every picture of the demo game and writes its project
// files. Usage: demo-art PICTURES_FOLDER GAME_FOLDER
// Pictures come out as PNG (the asset script turns them into the formats
// the game uses); the record files go straight into the game folder.
#include "Game.h"
#include "Scenes.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

QString out;
bool ok = true;

void save(const QImage& image, const QString& name)
{
    const QString path = out + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ok = false;
    }
}

void crop(const QImage& scene, const QRect& place, const QString& name) { save(scene.copy(place), name); }

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: demo-art PICTURES_FOLDER GAME_FOLDER\n");
        return 2;
    }
    out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out + QStringLiteral("/intro"));
    using namespace scenes;

    save(title(true), QStringLiteral("title"));
    const int introFrames = int(introLength * introFps);
    for (int i = 0; i < introFrames; ++i)
        save(intro(double(i) / introFps), QStringLiteral("intro/%1").arg(i + 1, 4, 10, QLatin1Char('0')));

    save(shore(false), QStringLiteral("shore"));
    crop(shore(true), at::shell, QStringLiteral("shell"));

    save(door(true, false, false), QStringLiteral("door"));
    crop(door(false, false, false), at::door, QStringLiteral("door_closed"));
    crop(door(false, false, false), at::mat, QStringLiteral("mat_flat"));
    crop(door(false, true, false), at::mat, QStringLiteral("mat_lifted"));
    crop(door(false, true, true), at::key, QStringLiteral("key"));

    save(brickTile(), QStringLiteral("bricks"));
    const QImage wall = stairs();
    save(wall, QStringLiteral("stairs_preview"));
    crop(wall, at::stairsFloor, QStringLiteral("stairs_floor"));
    crop(wall, at::stairsDoor, QStringLiteral("stairs_door"));
    crop(wall, at::stairsUp, QStringLiteral("stairs_up"));
    crop(wall, at::hatch, QStringLiteral("hatch"));

    const QImage empty = cellar(false, false);
    save(cellar(true, true), QStringLiteral("cellar_preview"));
    crop(empty, at::cellarFloor, QStringLiteral("cellar_floor"));
    crop(empty, at::ladder, QStringLiteral("ladder"));
    crop(empty, at::shelves, QStringLiteral("shelves"));
    crop(empty, at::crates, QStringLiteral("crates"));
    crop(cellar(true, false), at::oilCan, QStringLiteral("oilcan"));
    crop(cellar(false, true), at::catEyes, QStringLiteral("cat"));

    save(lampRoom(false), QStringLiteral("lamproom"));
    crop(lampRoom(true), at::lens, QStringLiteral("lamp_lit"));

    save(gallery(false), QStringLiteral("gallery"));
    const QRect half(at::galleryLit.left() / 2, at::galleryLit.top() / 2, at::galleryLit.width() / 2,
                     at::galleryLit.height() / 2);
    crop(gallery(true), half, QStringLiteral("gallery_lit"));

    save(beam(), QStringLiteral("beam"));
    const QImage morning = dawn();
    save(morning, QStringLiteral("dawn"));
    crop(morning, at::theEnd, QStringLiteral("the_end"));

    save(walkPointer(), QStringLiteral("walk"));
    save(lookPointer(), QStringLiteral("look"));
    save(handPointer(), QStringLiteral("hand"));
    save(shellIcon(), QStringLiteral("shell_icon"));
    save(keyIcon(), QStringLiteral("key_icon"));
    save(oilCanIcon(), QStringLiteral("oilcan_icon"));

    ok &= game::writeProject(QString::fromLocal8Bit(argv[2]));
    return ok ? 0 : 1;
}
