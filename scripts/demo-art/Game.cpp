#include "Game.h"

#include "Scenes.h"

#include "player/ProjectPaths.h"
#include "player/records/ActionRecord.h"
#include "player/records/AreaPlacement.h"
#include "player/records/ColourNumber.h"
#include "player/records/FrameFile.h"
#include "player/records/LinksFile.h"
#include "player/records/ObjectFile.h"
#include "player/records/PickableRecord.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/records/RecordSync.h"
#include "player/records/VariablesFile.h"

#include <QDir>
#include <QList>
#include <QStringList>

#include <cstdio>
#include <utility>

namespace game {

namespace {

// ---------------------------------------------------------------- the model

struct Action {
    enum Change { None, SetZero, SetOne, Invert };
    Change change = None;
    QString variable;
    QString message;
    QString sound;
    bool disappear = false;
    bool stopGame = false;
    QString goTo;
};

struct Area {
    QRect place;         // pixels inside the game picture
    QString picture;     // in Areas/, empty for a transparent area
    bool stretch = false;
    QString pointer;     // in Icons/, empty for the standard pointer
    QStringList mustBeZero;
    QStringList mustBeOne;
    QString pickObject;  // the object this area puts into the inventory
    Action click;
    QList<std::pair<QString, Action>> events;  // object name, what its drop does
};

struct Frame {
    QString name;
    int kind = 1;         // 0 solid colour, 1 picture
    QString background;   // colour number or picture file in Frames/
    bool tiled = false;
    bool stopSounds = false;
    QString soundtrack;
    int duration = 0;     // seconds; 0 for none
    QString durationTarget;
    QString video;
    QList<Area> areas;
};

struct Object {
    QString name;
    QString icon;
};

const QString walk = QStringLiteral("walk.cur");
const QString look = QStringLiteral("look.ico");
const QString hand = QStringLiteral("hand.cur");
const QString night = QStringLiteral("night.mid");

QString s(const char* text) { return QString::fromUtf8(text); }

Action goTo(const QString& frame, const QString& sound = {})
{
    Action a;
    a.goTo = frame;
    a.sound = sound;
    return a;
}

Action say(const char* message, const QString& sound = {})
{
    Action a;
    a.message = s(message);
    a.sound = sound;
    return a;
}

Action take(const char* message)
{
    Action a = say(message, s("pick.wav"));
    a.disappear = true;
    return a;
}

Action change(Action::Change how, const char* variable, Action a)
{
    a.change = how;
    a.variable = s(variable);
    return a;
}

Area area(const QRect& place, const QString& pointer, Action click)
{
    Area a;
    a.place = place;
    a.pointer = pointer;
    a.click = std::move(click);
    return a;
}

Area picture(const QRect& place, const char* file, const QString& pointer, Action click)
{
    Area a = area(place, pointer, std::move(click));
    a.picture = s(file);
    return a;
}

Frame frame(const QString& name, int kind, const QString& background)
{
    Frame f;
    f.name = name;
    f.kind = kind;
    f.background = background;
    return f;
}

QString colourNumber(const QColor& c) { return ColourNumber::textOf(c); }

QList<Frame> frames()
{
    using namespace scenes;
    QList<Frame> all;

    // The storm, then the title. The film plays before the frame and the
    // music starts when it has ended; the title moves on by itself.
    Frame title = frame(s("Title"), 1, s("title.jpg"));
    title.soundtrack = night;
    title.video = s("intro.avi");
    title.duration = 8;
    title.durationTarget = s("Shore");
    title.areas << area(QRect(0, 0, W, H), walk, goTo(s("Shore")));
    all << title;

    Frame shore = frame(s("Shore"), 1, s("shore.jpg"));
    shore.soundtrack = night;
    {
        Area shell = picture(at::shell, "shell.gif", hand,
                             take("A big spiral shell, polished smooth by the sea. You slip it into your pocket."));
        shell.pickObject = s("Shell");
        shore.areas << area(QRect(420, 200, 150, 276), walk, goTo(s("Door"), s("steps.wav")))
                    << shell
                    << area(QRect(62, 196, 110, 52), look,
                            say("Far out on the water: the lights of a ship! She is sailing straight for the "
                                "Teeth, the reef off Gull Rock, and without the lighthouse her captain cannot see it."))
                    << area(QRect(540, 24, 54, 80), look,
                            say("The great lamp is dark. It must have burned its last drop of oil in the storm. "
                                "Grandfather is away on the mainland tonight: it is up to you to light it again."));
    }
    all << shore;

    Frame door = frame(s("Door"), 1, s("door.jpg"));
    door.soundtrack = night;
    {
        Area closed = picture(at::door, "door_closed.gif", hand,
                              say("Locked! The wind slammed it shut behind you. Grandfather always keeps a spare "
                                  "key somewhere near the door.",
                                  s("knock.wav")));
        closed.mustBeZero << s("DoorOpen");
        Action unlock = change(Action::SetOne, "DoorOpen",
                               say("The old key turns with a groan, and the door swings open.", s("creak.wav")));
        unlock.disappear = true;  // the key stays in the lock
        closed.events << std::pair{s("Key"), unlock}
                      << std::pair{s("Shell"), say("You knock on the door with the shell. Nobody is home, of course.")};

        Area doorway = area(at::door, walk, goTo(s("Stairs"), s("steps.wav")));
        doorway.mustBeOne << s("DoorOpen");

        Area flat = picture(at::mat, "mat_flat.gif", hand,
                            change(Action::Invert, "MatLifted", say("", s("rustle.wav"))));
        flat.mustBeZero << s("MatLifted");
        Area lifted = picture(at::mat, "mat_lifted.gif", hand,
                              change(Action::Invert, "MatLifted", say("", s("rustle.wav"))));
        lifted.mustBeOne << s("MatLifted");

        Area key = picture(at::key, "key.gif", hand, take("A heavy iron key, cold and wet. You take it."));
        key.pickObject = s("Key");
        key.mustBeOne << s("MatLifted");

        door.areas << closed << doorway << flat << lifted << key
                   << area(QRect(0, 400, 190, 80), walk, goTo(s("Shore"), s("steps.wav")));
    }
    all << door;

    // The inside of the tower: a wall of stone blocks repeated over the
    // whole picture, with the stairs, the door and the floor as pictures.
    Frame stairs = frame(s("Stairs"), 1, s("bricks.bmp"));
    stairs.tiled = true;
    stairs.soundtrack = night;
    {
        Area map = picture(at::chart, "chart.wmf", look,
                           say("Grandfather's chart of the waters round Gull Rock. The Teeth, the deadly reef, lie "
                               "just off the point. Underneath he has written: Keep the light burning, whatever "
                               "happens."));
        map.stretch = true;
        stairs.areas << picture(at::stairsFloor, "stairs_floor.gif", {},
                                say("Cold flagstones, wet with sea spray that came in with you."))
                     << picture(at::stairsDoor, "stairs_door.gif", walk, goTo(s("Door"), s("steps.wav")))
                     << picture(at::stairsUp, "stairs_up.gif", walk, goTo(s("LampRoom"), s("steps.wav")))
                     << picture(at::hatch, "hatch.gif", walk, goTo(s("Cellar"), s("steps.wav")))
                     << map;
    }
    all << stairs;

    // The cellar is a plain dark colour; what can be seen in it are pictures.
    Frame cellar = frame(s("Cellar"), 0, colourNumber(cellarColour()));
    cellar.soundtrack = night;
    {
        Area can = picture(at::oilCan, "oilcan.gif", hand, take("A can of lamp oil, heavy and full. Just what the lamp needs!"));
        can.pickObject = s("OilCan");
        Action cat = say("Two green eyes blink at you in the dark... then the cellar cat shoots past your feet and "
                         "up the ladder!",
                         s("meow.wav"));
        cat.disappear = true;
        cellar.areas << picture(at::cellarFloor, "cellar_floor.gif", {},
                                say("Damp boards. Something small scurries away into the corner."))
                     << picture(at::ladder, "ladder.gif", walk, goTo(s("Stairs"), s("steps.wav")))
                     << picture(at::shelves, "shelves.gif", look,
                                say("Jars of pickled herring, coils of rope, a box of candle ends... but no oil here."))
                     << picture(at::crates, "crates.gif", look,
                                say("Old crates and a barrel of salt. Something is standing on the big crate."))
                     << can << picture(at::catEyes, "cat.gif", hand, cat);
    }
    all << cellar;

    Frame lampRoom = frame(s("LampRoom"), 1, s("lamproom.jpg"));
    lampRoom.soundtrack = night;
    {
        Area dark = area(at::lensHotspot, look, say("The lamp has burned dry. Without oil it will never light."));
        dark.mustBeZero << s("LampLit");
        Action light = change(Action::SetOne, "LampLit",
                              say("You pour the oil into the lamp, trim the wick and strike a match. With a roar the "
                                  "great light blazes out over the sea!",
                                  s("whoosh.wav")));
        light.disappear = true;  // the can is empty now
        dark.events << std::pair{s("OilCan"), light}
                    << std::pair{s("Shell"), say("You hold the shell up to the lens. It shines prettily, but it "
                                                 "will not make a light. The lamp needs oil.")};
        Area lit = picture(at::lens, "lamp_lit.gif", look,
                           say("The light is burning bright and steady. Go out onto the gallery and look for the ship!"));
        lit.mustBeOne << s("LampLit");
        lampRoom.areas << dark << lit
                       << area(at::stairsDown, walk, goTo(s("Stairs"), s("steps.wav")))
                       << area(at::galleryDoor, walk, goTo(s("Gallery"), s("door.wav")))
                       << area(at::logbook, look,
                               say("The keeper's log. Grandfather's last entry reads: Oil running low. Fetch the new "
                                   "can up from the cellar tomorrow."));
    }
    all << lampRoom;

    // The view from the gallery: a small picture stretched to the frame.
    Frame gallery = frame(s("Gallery"), 1, s("gallery.gif"));
    gallery.soundtrack = night;
    {
        Area ship = area(at::ship, look,
                         say("The Albatross! She is running straight for the Teeth. In this darkness her captain "
                             "cannot see the reef.",
                             s("shout.wav")));
        ship.mustBeZero << s("LampLit");
        Area view = picture(at::galleryLit, "gallery_lit.gif", look, goTo(s("Beam"), s("bell.wav")));
        view.stretch = true;
        view.mustBeOne << s("LampLit");
        gallery.areas << ship
                      << area(at::reef, look,
                              say("The Teeth: a row of black rocks, and the sea boiling white around them."))
                      << view << area(at::galleryBack, walk, goTo(s("LampRoom"), s("door.wav")));
    }
    all << gallery;

    Frame beam = frame(s("Beam"), 1, s("beam.jpg"));
    beam.soundtrack = night;
    beam.duration = 7;
    beam.durationTarget = s("Dawn");
    all << beam;

    Frame dawn = frame(s("Dawn"), 1, s("dawn.jpg"));
    dawn.stopSounds = true;
    dawn.soundtrack = s("dawn.mid");
    {
        Action end = say("Morning comes. The Albatross rides safely at anchor, and Grandfather's boat is rowing home "
                         "across the bay. Thank you for playing The Lighthouse Keeper!");
        end.stopGame = true;
        dawn.areas << area(at::dawnShip, look, say("", s("cheer.wav")))
                   << picture(at::theEnd, "the_end.gif", hand, end);
    }
    all << dawn;
    return all;
}

QList<Object> objects()
{
    return {{s("Shell"), s("shell.ico")}, {s("Key"), s("key.ico")}, {s("OilCan"), s("oilcan.ico")}};
}

QStringList variables() { return {s("MatLifted"), s("DoorOpen"), s("LampLit")}; }

// ---------------------------------------------------------------- writing

// Writes one record file. No value may hold a double quote: the format
// cannot keep one.
template <typename Record>
bool save(const QString& path, const Record& record)
{
    const QByteArray bytes = RecordFile::bytes(record);
    if (bytes.contains("\"\"\"") || bytes.count('"') % 2) {
        std::fprintf(stderr, "a value holds a double quote: %s\n", qPrintable(path));
        return false;
    }
    if (path.isEmpty() || !RecordFile::save(path, record)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

qint16 flag(bool set) { return set ? 1 : 0; }

ActionRecord action(const Action& a)
{
    ActionRecord r;
    r.ChangeVariable = flag(a.change != Action::None);
    r.VariableName = a.variable;
    r.SetToZero = a.change == Action::SetZero;
    r.SetToOne = a.change == Action::SetOne;
    r.Invert = a.change == Action::Invert;
    r.ShowMessage = flag(!a.message.isEmpty());
    r.Message = a.message;
    r.PlaySound = flag(!a.sound.isEmpty());
    r.Sound = a.sound;
    r.DisappearFlag = flag(a.disappear);
    r.StopGame = flag(a.stopGame);
    r.GoToFrame = flag(!a.goTo.isEmpty());
    r.TargetFrame = a.goTo;
    return r;
}

FrameFile frameFile(const Frame& f)
{
    FrameFile r;
    r.FrameKind = qint16(f.kind);
    r.Background = f.background;
    // A colour is written as a plain number, a picture's name in quotes.
    r.BackgroundBare = f.kind == 0;
    r.Tiled = f.tiled;
    r.StopSounds = f.stopSounds;
    r.Soundtrack = f.soundtrack;
    r.HasDuration = f.duration > 0;
    r.DurationSeconds = qint16(f.duration > 0 ? f.duration : 4);
    r.DurationTarget = f.durationTarget;
    r.Video = f.video;
    r.SoundAfterVideo = true;
    return r;
}

AreaPlacement placement(const Area& a)
{
    AreaPlacement r;
    // The player shows an area 30 twips (2 pixels) right of and below where
    // it is stored, so the stored place is 2 pixels up and left.
    r.Left = float(a.place.left() * 15 - 30);
    r.Top = float(a.place.top() * 15 - 30);
    r.Width = float(a.place.width() * 15);
    r.Height = float(a.place.height() * 15);
    r.Transparent = a.picture.isEmpty();
    r.HasPicture = !a.picture.isEmpty();
    r.Picture = a.picture;
    r.Stretch = flag(a.stretch);
    r.Pointer = a.pointer.isEmpty() ? s("DEFAULT") : a.pointer;
    r.Conditional = flag(!a.mustBeZero.isEmpty() || !a.mustBeOne.isEmpty());
    r.MustBeZero = a.mustBeZero;
    r.MustBeOne = a.mustBeOne;
    return r;
}

PickableRecord pickable(const Area& a)
{
    QString icon;
    for (const Object& o : objects())
        if (o.name == a.pickObject)
            icon = o.icon;
    return {flag(!a.pickObject.isEmpty()), a.pickObject, icon};
}

}  // namespace

bool writeProject(const QString& folder)
{
    QDir root(folder);
    for (const char* sub : {"Frames", "Areas", "Icons", "Config"})
        root.mkpath(s(sub));
    ProjectPaths::setProjectPath(root.absolutePath());
    using ProjectFiles::AreaPart;
    bool ok = true;

    ProjectRecord general;
    general.ProjectName = s("The Lighthouse Keeper");
    general.RecordPath = s("Config/General");
    general.AdventureName = s("The Lighthouse Keeper");
    general.ScreenSizeChoice = 2;
    general.StartingFrame = s("Title");
    general.Version = s("1.00");
    general.ScreenWidth = scenes::W;
    general.ScreenHeight = scenes::H;
    general.AuthorName = s("The Quendara Team");
    general.AuthorEmail = s("team@quendara.org");
    general.AuthorHomepage = s("https://www.quendara.org/");
    ok &= save(ProjectFiles::general(), general);

    // The editor's check that a project folder belongs to its project name.
    if (!ProjectDat::write(ProjectPaths::ProjectPath, ProjectNameChecksum(general.ProjectName))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ProjectFiles::projectDat()));
        ok = false;
    }

    ok &= save(ProjectFiles::variables(), VariablesFile{variables()});

    for (const Object& o : objects())
        ok &= save(ProjectFiles::objectFile(o.name), ObjectFile{o.icon});

    for (const Frame& f : frames()) {
        ok &= save(ProjectFiles::frameFile(f.name), frameFile(f));
        ok &= save(ProjectFiles::linksFile(f.name), LinksFile{qint16(f.areas.size())});
        root.mkpath(ProjectFiles::areaFolder(f.name));

        for (int i = 0; i < f.areas.size(); ++i) {
            const Area& a = f.areas[i];
            const int n = i + 1;
            ok &= save(ProjectFiles::areaFile(f.name, n, AreaPart::Placement), placement(a));
            ok &= save(ProjectFiles::areaFile(f.name, n, AreaPart::Action), action(a.click));
            ok &= save(ProjectFiles::areaFile(f.name, n, AreaPart::Pickable), pickable(a));
            for (const auto& [object, event] : a.events)
                ok &= save(ProjectFiles::eventFile(f.name, n, object), action(event));
        }
    }
    return ok;
}

}  // namespace game
