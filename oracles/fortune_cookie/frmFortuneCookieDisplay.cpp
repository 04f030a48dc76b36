#include "frmFortuneCookieDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/fortune_cookie/frmFortuneCookieMain.h"
#include "oracles/fortune_cookie/modFortunrCookies.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

OracleWindow::Design displayDesign()
{
    auto design = OracleWindow::Design::displayWindow(QStringLiteral("Orrin Fortune Cookie"), "mkmoney");
    design.cobrandFourBlanks = false;
    return design;
}

constexpr int BrokenCookieSize = 170;
// The fortune the label holds as designed; a reading always replaces it.
constexpr int DesignedFortune = 150;

} // namespace

frmFortuneCookieDisplay::frmFortuneCookieDisplay()
    : OracleWindow(displayDesign())
{
    // The three broken cookies share one place near the top, in the middle.
    auto *plate = new QWidget(this);
    plate->setFixedSize(BrokenCookieSize, BrokenCookieSize);
    auto *stack = new QGridLayout(plate);
    stack->setContentsMargins(0, 0, 0, 0);
    const auto brokenCookie = [&](const char *objectName, const char *picture) {
        auto *cookie = new PictureBox(QString::fromLatin1(objectName), QString::fromLatin1(picture), plate);
        cookie->setAccessibleName(QStringLiteral("Broken fortune cookie"));
        cookie->hide();
        stack->addWidget(cookie, 0, 0);
        return cookie;
    };
    picBrokenOne = brokenCookie("picBrokenOne", "fortune_cookie_1_broken.svg");
    picBrokenTwo = brokenCookie("picBrokenTwo", "fortune_cookie_2_broken.svg");
    picBrokenThree = brokenCookie("picBrokenThree", "fortune_cookie_3_broken.svg");

    Label2 = new QLabel(QStringLiteral("Your Fortune For Today "), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(captionFont(12, true));

    // The slip of paper the cookie held.
    lblFortuneMassage = new QLabel(QString::fromUtf8(modFortunrCookies::FortuneTable[DesignedFortune]), this);
    lblFortuneMassage->setObjectName(QStringLiteral("lblFortuneMassage"));
    lblFortuneMassage->setTextFormat(Qt::PlainText);
    lblFortuneMassage->setWordWrap(true);
    lblFortuneMassage->setAlignment(Qt::AlignCenter);
    QFont slipFont = captionFont(12);
    slipFont.setItalic(true);
    lblFortuneMassage->setFont(slipFont);
    lblFortuneMassage->setFrameShape(QFrame::StyledPanel);
    lblFortuneMassage->setBackgroundRole(QPalette::Base);
    lblFortuneMassage->setForegroundRole(QPalette::Text);
    lblFortuneMassage->setAutoFillBackground(true);
    lblFortuneMassage->setMargin(14);
    lblFortuneMassage->setMinimumHeight(lblFortuneMassage->fontMetrics().lineSpacing() * 3 + 2 * 14);

    cmdOK = new QPushButton(QStringLiteral("&Back"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmFortuneCookieDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmFortuneCookieDisplay::cmdOK_Click);
    addStripButton(cmdOK);

    content()->addWidget(plate, 0, Qt::AlignHCenter);
    content()->addWidget(Label2);
    content()->addWidget(lblFortuneMassage);
    content()->addStretch();
    CentreOracleWindow();
}

void frmFortuneCookieDisplay::cmdOK_Click()
{
    // The cookies come back first; the unload then shows the welcome panel,
    // and presenting the Main window hides it again.
    auto *main = WindowRegistry::window<frmFortuneCookieMain>();
    main->picOne->show();
    main->picTwo->show();
    main->picThree->show();
    returnTo(main);
}
