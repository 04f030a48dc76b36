#include "frmMDI.h"

#include "app/frmAbout.h"
#include "app/Oracles.h"
#include "app/StartUp.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/MsgBox.h"
#include "frame/OracleWindow.h"
#include "frame/LinkCaptions.h"
#include "frame/Widgets.h"
#include "platform/Desktop.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

using platform::twips;

namespace {

// The page of the welcome panel: its own background reports the pointer
// moving over it.
class WelcomePage : public QWidget {
public:
    std::function<void()> onMouseMove;
    explicit WelcomePage(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("picMainPage"));
        setMouseTracking(true);
    }

protected:
    // A soft wash from the base colour into a hint of the highlight, so that
    // the panel reads as a page in light and dark themes alike.
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor base = palette().color(QPalette::Base);
        const QColor highlight = palette().color(QPalette::Highlight);
        QColor tint;
        tint.setRgbF(base.redF() * 0.88 + highlight.redF() * 0.12, base.greenF() * 0.88 + highlight.greenF() * 0.12,
                     base.blueF() * 0.88 + highlight.blueF() * 0.12);
        QLinearGradient wash(0, 0, 0, height());
        wash.setColorAt(0.0, base);
        wash.setColorAt(1.0, tint);
        painter.fillRect(rect(), wash);
    }

    void mouseMoveEvent(QMouseEvent *) override
    {
        if (onMouseMove)
            onMouseMove();
    }
};

// The welcome panel `picMain` over the area where the oracle windows open.
// Its captions stand where they are designed; where the area is too small
// for them (a large scale on a small screen), the page scrolls.
class WelcomePanel : public QScrollArea {
public:
    WelcomePage *page;
    explicit WelcomePanel(QWidget *parent)
        : QScrollArea(parent)
        , page(new WelcomePage(this))
    {
        setObjectName(QStringLiteral("picMain"));
        setFrameShape(QFrame::NoFrame);
        setWidget(page);
        setWidgetResizable(false);
        setMouseTracking(true);
    }

    // What the captions cover, with a margin below the last one.
    QSize neededSize() const
    {
        QSize needed(0, 0);
        for (const QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden())
                needed = needed.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
        needed.rheight() += twips(240);
        return needed;
    }

    // The page covers the whole view, and more where its captions need it.
    void fitPage()
    {
        const QSize needed = neededSize();
        QSize view = maximumViewportSize();
        if (needed.height() > view.height())
            view.rwidth() -= verticalScrollBar()->sizeHint().width(); // the bar takes its share
        page->resize(needed.expandedTo(view));
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fitPage();
    }

    bool event(QEvent *event) override
    {
        // Pointer movements over the panel itself, beside its page.
        if (event->type() == QEvent::MouseMove && page->onMouseMove)
            page->onMouseMove();
        return QScrollArea::event(event);
    }
};

const char *const WelcomeCaptions[3] = {
    "Welcome to Orrin Vodadadore I",
    "Welcome to the first edition of Orrin Vodadadore Suite. This is an absolutely amazing collection of "
    "divination softwares they can make a huge difference in your life. Try out the different softwares and "
    "see which one works for you. Try out Orrin Vodadadore Suite II for more such tools.",
    "Orrin Vodadadore I includes the following programs",
};

// Top of each oracle caption in the welcome panel's column (label index 3..11);
// the hidden ones keep a place that is never seen.
const int CaptionTopTwips[OracleCount] = {3120, 0, 0, 0, 2640, 3600, 4080, 4560, 5040};

const int ContainerWidthTwips = 11400;
const int CaptionWidthTwips = 4200;

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

// The launcher buttons as the screen shows them: row by row, left to right.
std::array<int, OracleCount> launcherOnScreen()
{
    std::array<int, OracleCount> launcher;
    for (int index = 0; index < OracleCount; ++index)
        launcher[index] = index;
    std::stable_sort(launcher.begin(), launcher.end(), [](int a, int b) {
        return std::pair(OracleTable[a].buttonTopTwips, OracleTable[a].buttonLeftTwips)
            < std::pair(OracleTable[b].buttonTopTwips, OracleTable[b].buttonLeftTwips);
    });
    return launcher;
}

// Tab goes as the window reads: the launcher, the welcome panel, then the
// bottom strip. Set once the links have joined the Tab chain.
void orderTabChain(frmMDI *main)
{
    QList<QWidget *> chain;
    for (int index : launcherOnScreen())
        chain.append(main->cmdSelectOption[index]);
    chain << main->picMain << main->lblQuillmereBanner << main->Picture6 << main->Label7 << main->cmdMdiExit;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// The first launcher button on screen has the focus at start.
void focusFirstLauncherButton(frmMDI *main)
{
    for (int index : launcherOnScreen()) {
        if (OracleTable[index].shown) {
            main->cmdSelectOption[index]->setFocus();
            return;
        }
    }
}

} // namespace

frmMDI::frmMDI()
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QString::fromUtf8(ProgramTitle));
    setFont(captionFont());

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Picture1 = new QWidget(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedHeight(twips(1455));
    column->addWidget(Picture1);

    mdiArea = new QMdiArea(central);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(mdiArea, 1);

    PicCoBrand = new QWidget(central);
    PicCoBrand->setObjectName(QStringLiteral("PicCoBrand"));
    PicCoBrand->setFixedHeight(twips(1500));
    column->addWidget(PicCoBrand);
    setCentralWidget(central);

    buildLauncher();
    // The pictures are drawn on another core while the window is built.
    PictureBox::prepareDrawing(picButtonContainer);
    buildWelcomePanel();
    buildBottomStrip();
    buildMenus();
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &frmMDI::refreshMenus);
    resize(twips(11880), twips(8190) + menuBar()->sizeHint().height());
    MDIForm_Load();
    PictureBox::prepareDrawing(PicCoBrand);
    focusFirstLauncherButton(this);
    oracleHost::install(this);
}

frmMDI::~frmMDI()
{
    if (oracleHost::current() == this)
        oracleHost::install(nullptr);
}

QRect frmMDI::openingGeometry(const QRect &available) const
{
    const int welcomeHeight = static_cast<const WelcomePanel *>(picMain)->neededSize().height();
    const int needed = menuBar()->sizeHint().height() + Picture1->height() + welcomeHeight + PicCoBrand->height();
    return QRect(available.topLeft(), QSize(available.width(), qMin(needed, available.height())));
}

void frmMDI::adoptSubWindow(QMdiSubWindow *window)
{
    mdiArea->addSubWindow(window);
}

void frmMDI::makeRoomFor(const QMdiSubWindow *window)
{
    const int shortfall = window->geometry().bottom() + 1 - mdiArea->viewport()->height();
    const int roomBelow = screen() ? screen()->availableGeometry().bottom() - frameGeometry().bottom() : 0;
    if (shortfall > 0 && roomBelow > 0)
        resize(width(), height() + qMin(shortfall, roomBelow));
}

void frmMDI::bringToFront(QMdiSubWindow *window)
{
    makeRoomFor(window);
    mdiArea->setActiveSubWindow(window);
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    picMain->setVisible(visible);
}

void frmMDI::showAbout()
{
    ShowAboutWindow();
}

void frmMDI::buildLauncher()
{
    picButtonContainer = new QWidget(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    picButtonContainer->resize(twips(ContainerWidthTwips), twips(1335));
    for (int index = 0; index < OracleCount; ++index) {
        const OracleEntry &entry = OracleTable[index];
        auto *button = new QPushButton(QString::fromUtf8(entry.caption), picButtonContainer);
        button->setObjectName(QStringLiteral("cmdSelectOption(%1)").arg(index));
        place(button, entry.buttonLeftTwips, entry.buttonTopTwips, 2850, 495);
        button->setVisible(entry.shown);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdSelectOption_Click(index); });
        cmdSelectOption[index] = button;

        auto *icon = new PictureBox(QString::fromLatin1(entry.iconName),
                                    QString::fromLatin1(entry.iconPicture), picButtonContainer);
        place(icon, entry.buttonLeftTwips - 600, entry.buttonTopTwips - 8, 510, 510);
        icon->setAccessibleName(QStringLiteral("%1 icon").arg(QString::fromUtf8(entry.caption)));
        icon->setVisible(entry.shown);
        launcherIcon[index] = icon;
    }
}

void frmMDI::buildWelcomePanel()
{
    auto *panel = new WelcomePanel(mdiArea->viewport());
    panel->page->onMouseMove = [this] { picMain_MouseMove(); };
    picMain = panel;
    picMain->setAccessibleName(QStringLiteral("Welcome"));
    mdiArea->viewport()->installEventFilter(this);

    const QFont fonts[3] = {captionFont(18, true), captionFont(10), captionFont(11, true)};
    // Sized as designed before anything is shown, so that no label has to
    // measure its text while the window is being built.
    const QSize designedTwips[3] = {{10000, 540}, {10800, 1200}, {10000, 420}};
    for (int index = 0; index < 12; ++index) {
        const bool welcome = index < 3;
        const OracleEntry *entry = welcome ? nullptr : &OracleTable[index - 3];
        auto *label = new ClickableLabel(QStringLiteral("lblCaption(%1)").arg(index),
                                         QString::fromUtf8(welcome ? WelcomeCaptions[index] : entry->caption),
                                         panel->page);
        const QSize size = welcome ? designedTwips[index] : QSize(CaptionWidthTwips, 400);
        label->resize(twips(size.width()), twips(size.height()));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(welcome ? fonts[index] : captionFont(11));
        label->setMouseTracking(true);
        if (!welcome) {
            label->setCursor(Qt::PointingHandCursor);
            label->setForegroundRole(QPalette::Link);
            label->setVisible(entry->shown);
        }
        connect(label, &ClickableLabel::clicked, this, [this, index] { lblCaption_Click(index); });
        connect(label, &ClickableLabel::mouseMoved, this, [this, index] { lblCaption_MouseMove(index); });
        lblCaption[index] = label;
    }
}

void frmMDI::buildBottomStrip()
{
    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    cmdMdiExit->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit->resize(twips(1215), twips(495));
    connect(cmdMdiExit, &QPushButton::clicked, this, [this] { WindowRegistry::unloadForm(this); });

    Label7 = new LinkLabel(QStringLiteral("Label7"),
                           QString::fromUtf8(linkCaptions::FullBrand),
                           PicCoBrand);
    connect(Label7, &LinkLabel::clicked, this, &modHelp::OpenFullBrandOffer);

    Picture6 = new PictureBox(QStringLiteral("Picture6"), QStringLiteral("community_banner.svg"), PicCoBrand);
    Picture6->setClickable(true);
    Picture6->setAccessibleName(QStringLiteral("Mystic forum banner"));
    Picture6->setAccessibleDescription(QStringLiteral("Opens a web page in your browser"));
    connect(Picture6, &PictureBox::clicked, this, &modHelp::OpenCommunitySite);

    lblQuillmereBanner = new LinkLabel(
        QStringLiteral("lblQuillmereBanner"),
        QStringLiteral("The Most Popular Online Mystic Forum. Best Resource For Everything Mystic. Visit us at ")
            + QString::fromLatin1(modHelp::CommunitySiteName),
        PicCoBrand);
    lblQuillmereBanner->setAlignment(Qt::AlignCenter);
    lblQuillmereBanner->setFont(captionFont(8.5, true));
    lblQuillmereBanner->setWordWrap(false);
    lblQuillmereBanner->resize(twips(12000), twips(330));
    connect(lblQuillmereBanner, &LinkLabel::clicked, this, &modHelp::OpenCommunitySite);
}

void frmMDI::buildMenus()
{
    auto addItem = [this](QMenu *menu, const char *name, const char *caption) {
        QAction *action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuFile = new QMenu(QStringLiteral("&File"), this);
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(mnuFile, "mnuExit", "E&xit"), &QAction::triggered, this,
            [this] { WindowRegistry::unloadForm(this); });

    mnuHelp = new QMenu(QStringLiteral("&Help"), this);
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(addItem(mnuHelp, "mnuOnline", "&Online Help"), &QAction::triggered, this, &modHelp::OpenOnlineHelp);
    connect(addItem(mnuHelp, "mnuVisit", "&Visit Us Online"), &QAction::triggered, this,
            &modHelp::OpenCommunitySite);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    connect(addItem(mnuHelp, "mnuUpdate", "Check for Software &Update"), &QAction::triggered, this,
            &modHelp::OpenDownloadPage);
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    connect(addItem(mnuHelp, "mnuAbout", "&About Software"), &QAction::triggered, this, &ShowAboutWindow);
    connect(addItem(mnuHelp, "mkmoney", "Make Money &Online"), &QAction::triggered, this,
            &modHelp::OpenFullBrandOffer);
    ownMenus = {mnuFile, mnuHelp};
    refreshMenus();
}

void frmMDI::MDIForm_Load()
{
    const int screenWidth = platform::desktop().screenWidthTwips();
    auto centreLeft = [screenWidth](QWidget *widget) {
        return (screenWidth - widget->width() * platform::TwipsPerPixel) / 2;
    };
    lblQuillmereBanner->move(twips(centreLeft(lblQuillmereBanner)), twips(60));
    picButtonContainer->move(twips(centreLeft(picButtonContainer)), twips(60));
    lblCaption[0]->move(twips(centreLeft(lblCaption[0])), twips(360));
    lblCaption[1]->move(twips(centreLeft(lblCaption[1])), twips(960));
    lblCaption[2]->move(twips(centreLeft(lblCaption[2])), twips(2160));
    for (int index = 3; index < 12; ++index)
        lblCaption[index]->move(twips(centreLeft(lblCaption[index])), twips(CaptionTopTwips[index - 3]));
    const int exitLeft = screenWidth - (cmdMdiExit->width() * platform::TwipsPerPixel + 120);
    cmdMdiExit->move(twips(exitLeft), twips(660));

    fitBottomStrip(exitLeft);
    static_cast<WelcomePanel *>(picMain)->fitPage();
}

// The banner picture and the offer share the strip left of the Exit button.
// Where the offer would not fit its lines (a narrow screen, a large scale),
// the picture gives up width, down to half its designed size.
void frmMDI::fitBottomStrip(int exitLeftTwips)
{
    const int offerTopTwips = 450;
    const int offerHeightTwips = 960;
    int pictureWidthTwips = 7020;
    for (;;) {
        const int offerLeft = 240 + pictureWidthTwips + 240;
        const int offerWidth = qMax(2400, exitLeftTwips - 360 - offerLeft);
        const bool fits = Label7->heightForWidth(twips(offerWidth)) <= twips(offerHeightTwips);
        if (fits || pictureWidthTwips <= 3510) {
            place(Picture6, 240, 480, pictureWidthTwips, 900 * pictureWidthTwips / 7020);
            place(Label7, offerLeft, offerTopTwips, offerWidth, offerHeightTwips);
            return;
        }
        pictureWidthTwips -= 390;
    }
}

void frmMDI::refreshMenus()
{
    QList<QMenu *> shown = ownMenus;
    QMdiSubWindow *active = mdiArea->activeSubWindow();
    if (!active || !active->isVisible()) {
        active = nullptr;
        const auto stack = mdiArea->subWindowList(QMdiArea::StackingOrder);
        for (auto it = stack.crbegin(); it != stack.crend() && !active; ++it)
            if ((*it)->isVisible())
                active = *it;
    }
    auto *oracle = qobject_cast<OracleWindow *>(active);
    if (oracle && !oracle->menus().isEmpty())
        shown = oracle->menus();
    QMenuBar *bar = menuBar();
    bar->clear();
    for (QMenu *menu : shown)
        bar->addMenu(menu);
    // While an oracle window with an Exit button of its own is in front, Alt+E belongs to it.
    const bool ownExitInFront = oracle && oracle->cmdExit;
    cmdMdiExit->setShortcut(ownExitInFront ? QKeySequence() : QKeySequence::mnemonic(cmdMdiExit->text()));
}

void frmMDI::LaunchOracle(int index)
{
    CloseAllOracleWindows();
    const OracleEntry &entry = OracleTable[index];
    if (!entry.mainWindow)
        return;
    picMain->setVisible(false);
    entry.mainWindow()->presentOracleWindow();
}

void frmMDI::cmdSelectOption_Click(int index)
{
    LaunchOracle(index);
}

void frmMDI::lblCaption_Click(int index)
{
    if (index < 3) {
        CloseAllOracleWindows();
        return;
    }
    LaunchOracle(index - 3);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (index < 3)
        return;
    QFont font = lblCaption[index]->font();
    font.setUnderline(true);
    lblCaption[index]->setFont(font);
}

void frmMDI::picMain_MouseMove()
{
    for (ClickableLabel *label : lblCaption) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
    }
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mdiArea->viewport() && event->type() == QEvent::Resize) {
        picMain->setGeometry(mdiArea->viewport()->rect());
        picMain->lower();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    LinkLabel::joinTabChain(this);
    orderTabChain(this);
    // Keyboard focus shows from the start, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    event->accept();
    WindowRegistry::unloadForm(this);
}

void frmMDI::Form_Unload()
{
    ShutDownProgram();
    // Oracle code that still runs (a wait being abandoned) finds no main window.
    oracleHost::install(nullptr);
}
