#include "frmAbout.h"

#include "frame/WindowRegistry.h"
#include "frame/modHelp.h"
#include "frame/MsgBox.h"
#include "frame/Widgets.h"
#include "platform/Desktop.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(ProgramTitle));
    setFont(captionFont());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);

    Picture1 = new PictureBox(QStringLiteral("Picture1"), QStringLiteral("app_icon.svg"), this);
    Picture1->setFixedSize(72, 72);
    Picture1->setAccessibleName(QStringLiteral("Program icon"));

    Label2 = new QLabel(QString::fromUtf8(ProgramTitle), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(captionFont(13, true));

    Label1 = new QLabel(QStringLiteral("Orrin Vodadadore Suite I is a wonderful collection of simple divination tools "
                                       "that can be used to solve your simple problems in life. Different questions "
                                       "can be answered with accurate results."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto *Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    Label3 = new QLabel(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                       "online. Get this software fully branded for your website. "),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    lblCoBrand = new LinkLabel(QStringLiteral("lblCoBrand"), QStringLiteral("Click here for more details."), this);
    connect(lblCoBrand, &LinkLabel::clicked, this, &modHelp::OpenFullBrandOffer);

    lblHomePage = new LinkLabel(QStringLiteral("lblHomePage"),
                                QStringLiteral("Click here to visit ") + QString::fromLatin1(modHelp::CommunitySiteName),
                                this);
    connect(lblHomePage, &LinkLabel::clicked, this, &modHelp::OpenCommunitySite);

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(96);
    connect(cmdOK, &QPushButton::clicked, this, [this] { WindowRegistry::unloadForm(this); });

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    grid->addWidget(Picture1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label2, 0, 1);
    grid->addWidget(Label1, 1, 1);
    grid->addWidget(Line1, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, 1, 2);
    grid->addWidget(lblCoBrand, 4, 0, 1, 2);
    grid->addWidget(lblHomePage, 5, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 6, 0, 1, 2);
    setFixedWidth(480);
    LinkLabel::joinTabChain(this);
}

void ShowAboutWindow()
{
    frmAbout *about = WindowRegistry::window<frmAbout>();
    platform::desktop().runModal(*about);
    WindowRegistry::unload<frmAbout>();
}
