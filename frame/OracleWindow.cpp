#include "OracleWindow.h"

#include "frame/LinkCaptions.h"
#include "frame/OracleHost.h"
#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/Widgets.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

void showAbout()
{
    if (OracleHost *host = oracleHost::current())
        host->showAbout();
}

} // namespace

OracleWindow::Design OracleWindow::Design::mainWindow(const QString &title, const char *makeMoneyName)
{
    Design design;
    design.title = title;
    design.makeMoneyName = makeMoneyName;
    return design;
}

OracleWindow::Design OracleWindow::Design::displayWindow(const QString &title, const char *makeMoneyName)
{
    Design design = mainWindow(title, makeMoneyName);
    design.fileMenu = FileMenu::BackAndExit;
    design.helpStyle = HelpStyle::DisplayWindow;
    design.offerOnTop = OfferOnTop::FullBrand;
    design.exitButton = true;
    return design;
}

OracleWindow::Design OracleWindow::Design::singleWindow(const QString &title)
{
    Design design = mainWindow(title, "mnuMakeMoney");
    design.fileMenuName = "nuFile";
    design.helpStyle = HelpStyle::DisplayWindow;
    design.offersInFrame = true;
    return design;
}

OracleWindow::OracleWindow(const Design &design)
    : designedWidthTwips(design.widthTwips)
{
    setWindowTitle(design.title);
    setWindowIcon(programIcon());
    setFont(captionFont());
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setOption(QMdiSubWindow::RubberBandMove);

    auto *body = new QWidget(this);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(12, 8, 12, 8);
    column->setSpacing(8);
    contentLayout = new QVBoxLayout;
    contentLayout->setSpacing(8);

    buildFileMenu(design);
    buildHelpMenu(design);
    buildLinks(design);

    if (Label61)
        column->addWidget(Label61);
    column->addLayout(contentLayout, 1);

    auto *strip = new QHBoxLayout;
    strip->setSpacing(12);
    if (lblCobrand) {
        auto *offers = new QStackedLayout;
        offers->addWidget(lblCobrand);
        offers->addWidget(lblFullBrand);
        offers->setCurrentWidget(design.offerOnTop == OfferOnTop::CoBrand
                                     ? static_cast<QWidget *>(lblCobrand)
                                     : lblFullBrand);
        if (design.offersInFrame) {
            fraFullBrand = new QFrame(body);
            fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
            fraFullBrand->setLayout(offers);
            lblCobrand->setParent(fraFullBrand);
            lblFullBrand->setParent(fraFullBrand);
            strip->addWidget(fraFullBrand, 1);
        } else {
            strip->addLayout(offers, 1);
        }
    } else {
        strip->addStretch(1);
    }
    stripButtons = new QHBoxLayout;
    stripButtons->setSpacing(8);
    strip->addLayout(stripButtons);
    column->addLayout(strip);

    if (design.exitButton) {
        cmdExit = new QPushButton(QStringLiteral("&Exit"), body);
        cmdExit->setObjectName(QStringLiteral("cmdExit"));
        connect(cmdExit, &QPushButton::clicked, this, [this] { WindowRegistry::unloadForm(this); });
        stripButtons->addWidget(cmdExit);
    }

    setWidget(body);
    if (OracleHost *host = oracleHost::current())
        host->adoptSubWindow(this);
    hide();
}

void OracleWindow::buildFileMenu(const Design &design)
{
    if (design.fileMenu == FileMenu::None)
        return;
    QMenu *file = newMenu(design.fileMenuName, "&File");
    if (design.fileMenu == FileMenu::BackAndExit)
        mnuFileBack = newAction(file, "mnuFileBack", "&Back");
    mnuExit = newAction(file, "mnuExit", "E&xit");
    connect(mnuExit, &QAction::triggered, this, [this] {
        if (cmdExit)
            cmdExit->click();
        else
            WindowRegistry::unloadForm(this);
    });
}

void OracleWindow::buildHelpMenu(const Design &design)
{
    if (!design.helpMenu)
        return;
    const bool mainStyle = design.helpStyle == HelpStyle::MainWindow;
    QMenu *help = newMenu("mnuHelp", "&Help");
    connect(newAction(help, "mnuOnline", "&Online Help"), &QAction::triggered, this, &modHelp::OpenOnlineHelp);
    connect(newAction(help, "mnuVisit", "&Visit Us Online"), &QAction::triggered, this, &modHelp::OpenCommunitySite);
    help->addSeparator()->setObjectName(QString::fromLatin1(mainStyle ? "mnuHelp1" : "mnuFileSep1"));
    connect(newAction(help, "mnuUpdate", mainStyle ? "Check for Software &Update" : "&Check for Software Update"),
            &QAction::triggered, this, &modHelp::OpenDownloadPage);
    help->addSeparator()->setObjectName(QString::fromLatin1(mainStyle ? "mnuHelp2" : "mnuFileSep2"));
    connect(newAction(help, "mnuAbout", "&About Software"), &QAction::triggered, this, &showAbout);
    connect(newAction(help, design.makeMoneyName, "Make Money &Online"), &QAction::triggered, this,
            &modHelp::OpenFullBrandOffer);
}

void OracleWindow::buildLinks(const Design &design)
{
    if (!design.linkLabels)
        return;
    Label61 = new LinkLabel(QStringLiteral("Label61"),
                            QString::fromUtf8(linkCaptions::Community) + QStringLiteral("Visit us at ")
                                + QString::fromLatin1(modHelp::CommunitySiteName),
                            this);
    lblCobrand = new LinkLabel(QStringLiteral("lblCobrand"),
                               labelCaption(design.cobrandFourBlanks ? linkCaptions::CoBrandWithBlanks
                                                                    : linkCaptions::CoBrandWithoutBlanks),
                               this);
    lblFullBrand = new LinkLabel(QStringLiteral("lblFullBrand"), labelCaption(linkCaptions::FullBrand), this);
    connect(Label61, &LinkLabel::clicked, this, &modHelp::OpenCommunitySite);
    connect(lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenCoBrandOffer);
    connect(lblFullBrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandOffer);
}

QMenu *OracleWindow::newMenu(const char *objectName, const char *caption)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), this);
    menu->setObjectName(QString::fromLatin1(objectName));
    windowMenus.append(menu);
    return menu;
}

QAction *OracleWindow::newAction(QMenu *menu, const char *objectName, const char *caption)
{
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void OracleWindow::addMenuFirst(QMenu *menu)
{
    windowMenus.removeOne(menu);
    windowMenus.prepend(menu);
}

void OracleWindow::addStripButton(QPushButton *button)
{
    stripButtons->insertWidget(cmdExit ? stripButtons->count() - 1 : stripButtons->count(), button);
}

void OracleWindow::fitToContents()
{
    // Wrapped texts guess a narrow, tall shape for themselves; at the width the
    // window is designed for they need less.
    // Texts written while the window was hidden left stale sizes behind.
    for (QLayout *layout : findChildren<QLayout *>())
        layout->invalidate();
    const int width = platform::twips(designedWidthTwips);
    const int height = heightForWidth(width);
    resize(width, height > 0 ? height : sizeHint().height());
}

void OracleWindow::CentreOracleWindow()
{
    fitToContents();
    const int widthTwips = width() * platform::TwipsPerPixel;
    const int left = (platform::desktop().screenWidthTwips() - widthTwips) / 2;
    move(platform::twips(left), 0);
}

void OracleWindow::presentOracleWindow()
{
    show();
    CentreOracleWindow();
    if (OracleHost *host = oracleHost::current()) {
        host->bringToFront(this);
        host->setWelcomePanelVisible(false);
    }
}

void OracleWindow::handOverTo(OracleWindow *next)
{
    hide();
    next->presentOracleWindow();
}

void OracleWindow::returnTo(OracleWindow *previous)
{
    WindowRegistry::unloadForm(this);
    if (previous && !previous->isUnloaded())
        previous->presentOracleWindow();
    else if (OracleHost *host = oracleHost::current())
        host->setWelcomePanelVisible(false);
}

void OracleWindow::Form_Unload()
{
    oracleUnload();
    if (OracleHost *host = oracleHost::current())
        host->setWelcomePanelVisible(true);
}

void OracleWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    WindowRegistry::unloadForm(this);
}

void OracleWindow::orderTabChain()
{
    QList<QWidget *> strip;
    for (QWidget *offer : {static_cast<QWidget *>(lblCobrand), static_cast<QWidget *>(lblFullBrand)})
        if (offer)
            strip.append(offer);
    for (int index = 0; index < stripButtons->count(); ++index)
        if (QWidget *button = stripButtons->itemAt(index)->widget())
            strip.append(button);

    // The strip follows the last of the window's own stops.
    QWidget *body = widget();
    QWidget *previous = nullptr;
    for (QWidget *next = body->nextInFocusChain(); next != body; next = next->nextInFocusChain())
        if (body->isAncestorOf(next) && next->focusPolicy() != Qt::NoFocus && !strip.contains(next))
            previous = next;
    for (QWidget *next : std::as_const(strip)) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}

QWidget *OracleWindow::firstFocus() const
{
    // The first of the window's own controls, else the first button of the strip.
    QWidget *body = widget();
    QWidget *firstButton = nullptr;
    for (QWidget *next = body->nextInFocusChain(); next != body; next = next->nextInFocusChain()) {
        if (!body->isAncestorOf(next) || !(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled()
            || !next->isVisibleTo(body) || next->focusProxy())
            continue;
        if (qobject_cast<LinkLabel *>(next))
            continue;
        if (stripButtons->indexOf(next) < 0)
            return next;
        if (!firstButton)
            firstButton = next;
    }
    return firstButton;
}

void OracleWindow::showEvent(QShowEvent *event)
{
    makeChoicesVisible(widget());
    // A window never shows with the focus on a link, where Enter would open a web page.
    QWidget *focused = widget()->focusWidget();
    if (!focused || qobject_cast<LinkLabel *>(focused))
        if (QWidget *first = firstFocus())
            first->setFocus();
    QMdiSubWindow::showEvent(event);
    LinkLabel::joinTabChain(this);
    orderTabChain();
    if (OracleHost *host = oracleHost::current())
        host->menusChanged();
}

void OracleWindow::hideEvent(QHideEvent *event)
{
    QMdiSubWindow::hideEvent(event);
    if (OracleHost *host = oracleHost::current())
        host->menusChanged();
}
