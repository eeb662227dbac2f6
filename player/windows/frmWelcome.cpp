#include "player/windows/frmWelcome.h"

#include "platform/DesktopScreen.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "platform/TextMetrics.h"
#include "player/windows/Game.h"
#include "player/windows/ImageControl.h"
#include "player/ProcessState.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"
#include "player/records/SavedGame.h"
#include "player/Twips.h"
#include "player/windows/artwork/WelcomeArtwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

QPointer<frmWelcome> g_loaded;

const QString kLargeFontsWarning = QStringLiteral(
    "Warning! Your system is set to use large fonts. This program will NOT work properly if you don't change this "
    "setting.\n\nTo use small fonts (which is the Windows default), just go to the 'Control Panel' (from the "
    "'Settings' menu of the Start Menu), double-click 'Display', click the 'Settings' tab, click 'Advanced...' and "
    "select 'Small Fonts' under 'Font size'. Click 'OK' and restart your computer.\n\nDo you want to continue "
    "anyway? (not recommended).");

QFont serif(int pixelSize, bool bold = false, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// Places a widget from design coordinates in twips.
void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}

int bottomTwips(const QWidget* widget)
{
    return Twips::fromPixels(widget->geometry().top()) + Twips::fromPixels(widget->height());
}

QLabel* label(QWidget* parent, const QString& text, const QFont& font, Qt::Alignment alignment, const QString& name)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(alignment);
    return l;
}

}  // namespace

frmWelcome::frmWelcome(const QString& programFolder, QWidget* parent)
    : QWidget(parent)
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("Welcome!"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildControls();
    buildPanel();
    setFixedSize(Twips::toPixels(kDesignWidth), Twips::toPixels(kDesignHeight));
    g_loaded = this;
}

frmWelcome::~frmWelcome() = default;

frmWelcome* frmWelcome::loaded() { return g_loaded; }


void frmWelcome::buildControls()
{
    Image1 = WelcomeArtwork::paperTile();
    const QColor ink(0x3b, 0x24, 0x12);
    QPalette inkPalette = palette();
    inkPalette.setColor(QPalette::WindowText, ink);
    setPalette(inkPalette);

    Image2 = new ImageControl(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setStretch(true);
    place(Image2, 2100, 120, 6000, 1050);
    Image2->setPicture(WelcomeArtwork::banner(Image2->size()));

    txtAdventureName = label(this, QStringLiteral("Adventure name"), serif(34, true), Qt::AlignCenter,
                             QStringLiteral("txtAdventureName"));
    place(txtAdventureName, 300, 1170, 9600, 780);

    const QStringList captions = {QStringLiteral("Start New Game"), QStringLiteral("Load Game..."),
                                  QStringLiteral("Exit!"), QStringLiteral("Quendara...")};
    ImageControl** buttons[] = {&Image5, &Image6, &Image7, &Image8};
    const QSize buttonSize = Twips::toPixels(0, 0, 2310, 870).size();
    const int captionPixels = WelcomeArtwork::captionPixels(captions, buttonSize);
    for (int i = 0; i < 4; ++i) {
        auto* button = new ImageControl(this);
        button->setObjectName(QStringLiteral("Image%1").arg(5 + i));
        button->setStretch(true);
        place(button, 300 + i * 2430, 2070, 2310, 870);
        button->setPicture(WelcomeArtwork::button(captions[i], button->size(), i, captionPixels));
        button->setCursor(Qt::PointingHandCursor);
        button->setToolTip(captions[i]);
        button->setAccessibleName(captions[i]);
        *buttons[i] = button;
    }
    connect(Image5, &ImageControl::clicked, this, [this] { Image5_Click(); });
    connect(Image6, &ImageControl::clicked, this, [this] { Image6_Click(); });
    connect(Image7, &ImageControl::clicked, this, [this] { Image7_Click(); });
    connect(Image8, &ImageControl::clicked, this, [this] { Image8_Click(); });

    Label2 = label(this,
                   QStringLiteral("This game was created with Quendara. To make your own adventure games, click here."),
                   serif(12, false, true), Qt::AlignCenter, QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setCursor(Qt::PointingHandCursor);
    place(Label2, 300, 3030, 9600, 450);
    // "click here" leads to the information panel, as the Quendara button does.
    Label2->installEventFilter(this);

    txtVersion = label(this, QStringLiteral("Version 1.00"), serif(14, false, true), Qt::AlignCenter,
                       QStringLiteral("txtVersion"));
    place(txtVersion, 300, 3570, 9600, 360);

    struct Row {
        QLabel** caption;
        QLabel** value;
        QString captionText;
        QString name;
        int top;
    };
    const Row rows[] = {
        {&lblAuthor, &txtAuthor, QStringLiteral("Created by :"), QStringLiteral("Author"), 3930},
        {&lblEmail, &txtEmail, QStringLiteral("e-mail:"), QStringLiteral("Email"), 4290},
        {&lblHomepage, &txtHomepage, QStringLiteral("Home page:"), QStringLiteral("Homepage"), 4650},
    };
    for (const Row& row : rows) {
        *row.caption = label(this, row.captionText, serif(14, true), Qt::AlignRight | Qt::AlignVCenter,
                             QStringLiteral("lbl") + row.name);
        place(*row.caption, 300, row.top, 3600, 360);
        *row.value = label(this, QString(), serif(14), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("txt") + row.name);
        place(*row.value, 4050, row.top, 5850, 360);
        (*row.caption)->hide();
        (*row.value)->hide();
    }
    txtHomepage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    txtEmail->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void frmWelcome::buildPanel()
{
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette panelPalette = Picture1->palette();
    panelPalette.setColor(QPalette::Window, QColor(0xf6, 0xec, 0xd2));
    panelPalette.setColor(QPalette::WindowText, QColor(0x3b, 0x24, 0x12));
    Picture1->setPalette(panelPalette);
    place(Picture1, 0, 0, kDesignWidth, kDesignHeight);

    auto* plate = new ImageControl(Picture1);
    plate->setObjectName(QStringLiteral("PanelPicture"));
    plate->setStretch(true);
    place(plate, 240, 240, 3000, 3600);
    plate->setPicture(WelcomeArtwork::panelPlate(plate->size()));

    auto* text1 = label(Picture1,
                        QStringLiteral("This game was created with Quendara. To download it and make your own adventure "
                                       "games, go to:"),
                        serif(13), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("PanelText1"));
    text1->setWordWrap(true);
    place(text1, 3480, 300, 6420, 900);

    Image4 = label(Picture1, QString::fromLatin1(kWebAddress), serif(15, true), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Image4"));
    QPalette link = Image4->palette();
    link.setColor(QPalette::WindowText, QColor(0x1c, 0x3f, 0x8c));
    Image4->setPalette(link);
    QFont underlined = Image4->font();
    underlined.setUnderline(true);
    Image4->setFont(underlined);
    Image4->setCursor(Qt::PointingHandCursor);
    place(Image4, 3480, 1260, 6420, 420);
    Image4->installEventFilter(this);

    auto* text2 = label(Picture1,
                        QStringLiteral("If you are connected to the net, you can directly go there by clicking on the "
                                       "URL."),
                        serif(13), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("PanelText2"));
    text2->setWordWrap(true);
    place(text2, 3480, 1800, 6420, 900);

    Image3 = new ImageControl(Picture1);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setStretch(true);
    place(Image3, 8100, 3120, 600, 600);
    Image3->setPicture(WelcomeArtwork::backArrow(Image3->size()));
    Image3->setCursor(Qt::PointingHandCursor);
    connect(Image3, &ImageControl::clicked, this, [this] { Image3_Click(); });

    Label3 = label(Picture1, QStringLiteral("BACK"), serif(16, true), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    place(Label3, 8760, 3120, 1200, 600);
    Label3->installEventFilter(this);

    Picture1->hide();
}

bool frmWelcome::eventFilter(QObject* watched, QEvent* event)
{
    // A label's click is a left-button press and release over it, as on the
    // picture buttons.
    const auto* mouse = event->type() == QEvent::MouseButtonRelease ? static_cast<QMouseEvent*>(event) : nullptr;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (mouse && widget && mouse->button() == Qt::LeftButton
        && widget->rect().contains(mouse->position().toPoint())) {
        if (watched == Label2) {
            Image8_Click();
            return true;
        }
        if (watched == Image4) {
            Image4_Click();
            return true;
        }
        if (watched == Label3) {
            Label3_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int frmWelcome::borderTwips() const
{
    return Twips::fromPixels(frameGeometry().height() - geometry().height());
}

void frmWelcome::setHeightTwips(int twips)
{
    m_heightTwips = twips;
    const int inner = twips - borderTwips();
    setFixedSize(Twips::toPixels(kDesignWidth), std::max(1, Twips::toPixels(inner)));
    Picture1->resize(width(), height());
}

void frmWelcome::centre()
{
    const QSize screen = DesktopScreen::size();
    const double top = (Twips::fromPixels(screen.height()) - double(m_heightTwips)) / 2;
    const double left = (Twips::fromPixels(screen.width()) - double(kDesignWidth)) / 2;
    m_positionTwips = QPoint(int(left), int(top));
    move(Twips::toPixels(left), Twips::toPixels(top));
}

void frmWelcome::Form_Load()
{
    setHeightTwips(borderTwips() + kDesignHeight);
    centre();
    if (ProjectPaths::ProjectPath.isEmpty())
        ProjectPaths::locateFromProgramFolder(m_programFolder);
    if (!LoadProjectRecord()) {
        MsgBox(QStringLiteral("Unable to load project information. The adventure game may not work properly."),
               Dialogs::Icon::Exclamation, Dialogs::Buttons::OK, ProjectRecord::current().AdventureName);
        return;
    }
    fillFromRecord();
    layOut();
    centre();
}

void frmWelcome::fillFromRecord()
{
    const ProjectRecord& record = ProjectRecord::current();
    txtAdventureName->setText(record.AdventureName);
    txtVersion->setText(record.Version.isEmpty() ? QString() : QStringLiteral("Version ") + record.Version);
    const std::pair<QLabel*, QLabel*> rows[] = {{lblAuthor, txtAuthor}, {lblEmail, txtEmail}, {lblHomepage, txtHomepage}};
    const QString values[] = {record.AuthorName, record.AuthorEmail, record.AuthorHomepage};
    for (int i = 0; i < 3; ++i) {
        if (!values[i].isEmpty()) {
            rows[i].second->setText(values[i]);
            rows[i].first->show();
            rows[i].second->show();
        }
    }
    // A long title shrinks until it fits on its line.
    QFont font = txtAdventureName->font();
    while (QFontMetrics(font).horizontalAdvance(record.AdventureName) > txtAdventureName->width() - 8
           && font.pixelSize() > 12) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    txtAdventureName->setFont(font);
}

void frmWelcome::layOut()
{
    // The window ends right below its lowest line of text.
    const QLabel* lowest = txtVersion;
    if (!txtHomepage->isHidden())
        lowest = txtHomepage;
    else if (!txtEmail->isHidden())
        lowest = txtEmail;
    else if (!txtAuthor->isHidden())
        lowest = txtAuthor;
    setHeightTwips(borderTwips() + bottomTwips(lowest));
}

void frmWelcome::Form_Activate()
{
    if (m_activating || m_unloaded)
        return;
    m_activating = true;
    const std::optional<int> height = TextMetrics::systemFontHeight();
    if (height && *height > 16) {
        const int answer = MsgBox(kLargeFontsWarning, Dialogs::Icon::Exclamation, Dialogs::Buttons::OKCancel,
                                  QStringLiteral("Warning!"));
        if (answer == Dialogs::Cancel) {
            m_activating = false;
            unload();
            return;
        }
    }
    m_activating = false;
}

void frmWelcome::Image5_Click()
{
    Game& game = Game::load();
    emit gameStarting(game);
    if (!game.ResetAll()) {
        game.unload();
        return;
    }
    game.StartNewGame();
    if (Game::loaded() != &game)
        return;  // the opening frame ended the game already
    game.showGame();
    hide();
}

bool frmWelcome::StartAtFrame(const QString& frame, const QString& savedGame)
{
    SavedGame saved;
    if (!savedGame.isEmpty()) {
        // A saved game of the game's folder by its name first, else a file.
        QString file = SavedGame::path(ProjectPaths::ProjectPath, savedGame);
        if ((!SavedGame::isValidName(savedGame) || !QFileInfo::exists(file)) && QFileInfo(savedGame).isFile())
            file = QFileInfo(savedGame).absoluteFilePath();
        // A saved game cut short would start a state the author never had:
        // the game does not start, as the load-game window does not.
        if (!SavedGame::read(file, saved)) {
            MsgBox(QStringLiteral("Unable to load '") + file + QStringLiteral("'."), Dialogs::Icon::Exclamation);
            return false;
        }
    }
    Game& game = Game::load();
    emit gameStarting(game);
    if (!game.ResetAll()) {
        game.unload();
        return false;
    }
    game.LoadVariables();
    game.session().restore(saved);
    game.OpenFrame(frame);
    if (Game::loaded() != &game)
        return true;  // the frame's opening ended the game already
    game.showGame();
    hide();
    return true;
}

void frmWelcome::Image6_Click()
{
    emit loadGameRequested();
    // Closing the modal window without a game to play hands the activation
    // back to this window, and every activation runs the font-size check.
    if (!m_unloaded && isVisible())
        Form_Activate();
}

void frmWelcome::Image7_Click() { unload(); }

void frmWelcome::Image8_Click()
{
    Picture1->show();
    Picture1->raise();
}

void frmWelcome::Image3_Click() { Picture1->hide(); }
void frmWelcome::Label3_Click() { Picture1->hide(); }

void frmWelcome::Image4_Click()
{
    // A desktop without a browser is not worth a message.
    Shell::open(QString::fromLatin1(kWebAddress));
}

void frmWelcome::Form_Unload()
{
    if (ProcessState::runningFromEditor()) {
        ProcessState::StatusText.clear();
        emit editorReturnRequested();
        if (Game* game = Game::loaded())
            game->unload();
        return;
    }
    emit programEndRequested();
}

void frmWelcome::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Form_Unload();
    hide();
    if (g_loaded == this)
        g_loaded = nullptr;
    deleteLater();
}

void frmWelcome::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (Image1.isNull())
        return;
    const int w = Image1.width();
    const int h = Image1.height();
    for (int x = 0; x <= width(); x += w) {
        for (int y = 0; y <= height(); y += h)
            painter.drawPixmap(x, y, Image1);
    }
}

void frmWelcome::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Every time the window comes back (at start and after each game) the
    // font-size check runs, once the window is on screen.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmWelcome::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
        if (g_loaded == this)
            g_loaded = nullptr;
        deleteLater();
    }
}
