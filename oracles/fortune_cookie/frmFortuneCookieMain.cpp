#include "frmFortuneCookieMain.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/fortune_cookie/frmFortuneCookieDisplay.h"
#include "oracles/fortune_cookie/modFortunrCookies.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Fortune Cookie"), "mkmoney");
    design.cobrandFourBlanks = false;
    return design;
}

const char Introduction[] =
    "Predict your fortune and know your thought of the day with the help of Orrin Fortune Cookie. "
    "It is an interesting divination software that cones with an easy-to-use interface. The little "
    "fortune cookies will reveal a new fortune for you each time you click upon them.";

constexpr int CookieSize = 160;

} // namespace

frmFortuneCookieMain::frmFortuneCookieMain()
    : OracleWindow(mainDesign())
{
    Label1 = new QLabel(QString::fromUtf8(Introduction), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(captionFont(10));

    lblCaption = new QLabel(QStringLiteral("Click On Any One Cookie to Know Your Fortune"), this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setWordWrap(true);
    lblCaption->setAlignment(Qt::AlignCenter);
    lblCaption->setFont(captionFont(11, true));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    picTwo = newCookie("picTwo", "fortune_cookie_2.svg");
    picOne = newCookie("picOne", "fortune_cookie_1.svg");
    picThree = newCookie("picThree", "fortune_cookie_3.svg");
    picTwo->setAccessibleName(QStringLiteral("Left fortune cookie: click to break it open"));
    picOne->setAccessibleName(QStringLiteral("Middle fortune cookie: click to break it open"));
    picThree->setAccessibleName(QStringLiteral("Right fortune cookie: click to break it open"));
    auto *row = new QHBoxLayout(Frame1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(24);
    row->addStretch();
    row->addWidget(picTwo);
    row->addWidget(picOne);
    row->addWidget(picThree);
    row->addStretch();
    connect(picOne, &PictureBox::clicked, this, &frmFortuneCookieMain::picOne_Click);
    connect(picTwo, &PictureBox::clicked, this, &frmFortuneCookieMain::picTwo_Click);
    connect(picThree, &PictureBox::clicked, this, &frmFortuneCookieMain::picThree_Click);

    content()->addSpacing(4);
    content()->addWidget(Label1);
    content()->addSpacing(4);
    content()->addWidget(lblCaption);
    content()->addWidget(Frame1);
    CentreOracleWindow();
}

PictureBox *frmFortuneCookieMain::newCookie(const char *objectName, const char *picture)
{
    auto *cookie = new PictureBox(QString::fromLatin1(objectName), QString::fromLatin1(picture), Frame1);
    cookie->setFixedSize(CookieSize, CookieSize);
    cookie->setClickable(true);
    // The cookies keep their places while the Display window shows.
    QSizePolicy keepPlace = cookie->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    cookie->setSizePolicy(keepPlace);
    return cookie;
}

void frmFortuneCookieMain::picOne_Click()
{
    breakCookie(&frmFortuneCookieDisplay::picBrokenOne);
}

void frmFortuneCookieMain::picTwo_Click()
{
    breakCookie(&frmFortuneCookieDisplay::picBrokenTwo);
}

void frmFortuneCookieMain::picThree_Click()
{
    breakCookie(&frmFortuneCookieDisplay::picBrokenThree);
}

void frmFortuneCookieMain::breakCookie(PictureBox *frmFortuneCookieDisplay::*brokenCookie)
{
    modFortunrCookies::DrawFortune();
    // Writing the fortune loads the Display window, hidden, if it is not loaded.
    modFortunrCookies::ShowFortune([](const QString &fortune) {
        WindowRegistry::window<frmFortuneCookieDisplay>()->lblFortuneMassage->setText(fortune);
    });
    picOne->hide();
    picTwo->hide();
    picThree->hide();
    auto *display = WindowRegistry::window<frmFortuneCookieDisplay>();
    (display->*brokenCookie)->show();
    handOverTo(display);
}
