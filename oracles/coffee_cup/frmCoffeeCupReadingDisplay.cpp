#include "frmCoffeeCupReadingDisplay.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

OracleWindow::Design displayDesign()
{
    return OracleWindow::Design::displayWindow(QStringLiteral("Orrin Coffee Cup Reading"), "mkmoney");
}

} // namespace

frmCoffeeCupReadingDisplay::frmCoffeeCupReadingDisplay()
    : OracleWindow(displayDesign())
{
    lblCaption = new QLabel(QStringLiteral("Your Coffee Cup Symbol for the Day is:"), this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setFont(captionFont(11, true));
    lblCaption->setAlignment(Qt::AlignCenter);

    lblElement = new QLabel(this);
    lblElement->setObjectName(QStringLiteral("lblElement"));
    lblElement->setFont(captionFont(20, true));
    lblElement->setAlignment(Qt::AlignCenter);
    lblElement->setTextFormat(Qt::PlainText);
    lblElement->setForegroundRole(QPalette::Highlight);

    lblDesc = new QLabel(this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    lblDesc->setFont(captionFont(11));
    lblDesc->setWordWrap(true);
    lblDesc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDesc->setTextFormat(Qt::PlainText);
    lblDesc->setMinimumHeight(90);

    cmdOK = new QPushButton(QStringLiteral("&Back"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmCoffeeCupReadingDisplay::cmdOK_Click);
    connect(mnuFileBack, &QAction::triggered, this, &frmCoffeeCupReadingDisplay::cmdOK_Click);
    addStripButton(cmdOK);

    auto *cup = new PictureBox(QStringLiteral("cupPicture"), QStringLiteral("icon_coffee_cup.svg"), this);
    cup->setFixedSize(96, 96);
    cup->setAccessibleName(QStringLiteral("Coffee cup"));

    content()->addSpacing(8);
    content()->addWidget(cup, 0, Qt::AlignHCenter);
    content()->addWidget(lblCaption);
    content()->addWidget(lblElement);
    content()->addWidget(lblDesc);
    content()->addStretch();
    CentreOracleWindow();
}

void frmCoffeeCupReadingDisplay::cmdOK_Click()
{
    auto *main = WindowRegistry::window<frmCoffeeCupReadingMain>();
    main->picMessage->hideDots();
    returnTo(main);
}
