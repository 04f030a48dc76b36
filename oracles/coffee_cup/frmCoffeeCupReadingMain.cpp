#include "frmCoffeeCupReadingMain.h"

#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingDisplay.h"
#include "oracles/coffee_cup/modCoffeeCupReading.h"

#include <QVBoxLayout>

namespace {

OracleWindow::Design mainDesign()
{
    return OracleWindow::Design::mainWindow(QStringLiteral("Orrin Coffee Cup Reading"), "mkmoney");
}

} // namespace

frmCoffeeCupReadingMain::frmCoffeeCupReadingMain()
    : OracleWindow(mainDesign())
{
    Label1 = new QLabel(QStringLiteral("Get answers to your problems with Orrin Coffee Cup Reading. "
                                       "Start now for immediate results!"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(captionFont(11, true));

    lblCaption = new QLabel(QStringLiteral("Click On The Coffee Pot To Know Your Coffee Cup Reading For the Day"), this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setWordWrap(true);
    lblCaption->setAlignment(Qt::AlignCenter);

    picCoffeePot = new PictureBox(QStringLiteral("picCoffeePot"), QStringLiteral("coffee_pot.svg"), this);
    picCoffeePot->setFixedSize(200, 220);
    picCoffeePot->setClickable(true);
    picCoffeePot->setAccessibleName(QStringLiteral("Coffee pot: click for your reading"));
    connect(picCoffeePot, &PictureBox::clicked, this, &frmCoffeeCupReadingMain::picCoffeePot_Click);

    picMessage = new PleaseWaitPanel(PleaseWaitPanel::Dots::OneEachSecond, this);
    picMessage->setFixedWidth(260);

    content()->addWidget(Label1);
    content()->addWidget(lblCaption);
    content()->addWidget(picCoffeePot, 0, Qt::AlignHCenter);
    content()->addWidget(picMessage, 0, Qt::AlignHCenter);
    CentreOracleWindow();
}

void frmCoffeeCupReadingMain::picCoffeePot_Click()
{
    if (picMessage->isWaiting())
        return; // a click during the wait is ignored
    const qint16 drawn = modCoffeeCupReading::DrawCoffeeCupSymbol();
    modCoffeeCupReading::LoadCoffeeCupTable();
    if (!picMessage->wait(this, 4))
        return; // unloaded during the wait: the draw is abandoned
    picMessage->hide();

    auto *display = WindowRegistry::window<frmCoffeeCupReadingDisplay>();
    display->lblElement->setText(modCoffeeCupReading::SymbolName[drawn]);
    display->lblDesc->setText(modCoffeeCupReading::SymbolMeaning[drawn]);
    handOverTo(display);
}
