#include "frmBibliomancyMain.h"

#include "frame/MsgBox.h"
#include "frame/WindowRegistry.h"
#include "frame/Widgets.h"
#include "oracles/bibliomancy/frmBibliomancyDisplay.h"
#include "oracles/bibliomancy/modBibliomancy.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace modBibliomancy;

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Bibliomancy"), "mnuMakeMoneyOnline");
    design.exitButton = true;
    return design;
}

// The list items, in the order of the list.
const char *const ReligiousTexts[] = {"Christianity", "Hinduism", "Islam", "Judaism", "I Ching"};

const char Prompt[] = "Enter Your Question Here\r\n";

} // namespace

QuestionBox::QuestionBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("txtQuestion"));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

QSize QuestionBox::sizeHint() const
{
    return {QPlainTextEdit::sizeHint().width(), minimumHeight()};
}

void QuestionBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // From position 0 over the full length: typing replaces all of it.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

frmBibliomancyMain::frmBibliomancyMain()
    : OracleWindow(mainDesign())
{
    Label1 = new QLabel(
        QStringLiteral("Let the Religious Books guide you in your daily work. Get a Bibliomancy Reading now!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(captionFont(11, true));

    picBook = new PictureBox(QStringLiteral("picBook"), QStringLiteral("icon_bibliomancy.svg"), this);
    picBook->setFixedSize(88, 88);
    picBook->setAccessibleName(QStringLiteral("Open book"));

    Label3 = new QLabel(QStringLiteral("Choose one of the Religious Texts:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(captionFont(10, true));

    // Pick only: the user chooses a listed text and cannot type another.
    cmbOption = new QComboBox(this);
    cmbOption->setObjectName(QStringLiteral("cmbOption"));
    cmbOption->setEditable(false);
    cmbOption->setFont(captionFont(10));
    for (const char *text : ReligiousTexts)
        cmbOption->addItem(QString::fromUtf8(text));
    cmbOption->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label3->setBuddy(cmbOption);

    txtQuestion = new QuestionBox(this);
    txtQuestion->setFont(captionFont(10));
    txtQuestion->setPlainText(QString::fromUtf8(Prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    txtQuestion->setMinimumHeight(txtQuestion->fontMetrics().lineSpacing() * 4 + 2 * txtQuestion->frameWidth() + 8);
    txtQuestion->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    txtQuestion->setAccessibleName(QStringLiteral("Your question"));

    cmdNext = new QPushButton(QStringLiteral("Get My Bibliomancy Reading"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setFont(captionFont(10, true));
    cmdNext->setMinimumHeight(cmdNext->sizeHint().height() + 8);
    cmdNext->setMinimumWidth(cmdNext->sizeHint().width() + 32);
    connect(cmdNext, &QPushButton::clicked, this, &frmBibliomancyMain::cmdNext_Click);

    auto *choice = new QHBoxLayout;
    choice->setSpacing(10);
    choice->addWidget(Label3);
    choice->addWidget(cmbOption);
    choice->addStretch(1);

    auto *form = new QVBoxLayout;
    form->setSpacing(8);
    form->addLayout(choice);
    form->addWidget(txtQuestion, 1);

    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(picBook, 0, Qt::AlignTop);
    row->addLayout(form, 1);

    content()->addWidget(Label1);
    content()->addSpacing(4);
    content()->addLayout(row);
    content()->addSpacing(4);
    content()->addWidget(cmdNext, 0, Qt::AlignHCenter);

    CentreOracleWindow();
    // "Christianity" is chosen when the window opens.
    cmbOption->setCurrentIndex(0);
}

bool frmBibliomancyMain::ValidateQuestion()
{
    // Only an empty box is refused: the prompt, or blanks, pass.
    if (!txtQuestion->text().isEmpty())
        return true;
    MsgBox(QStringLiteral("Plese Enter Your Question"), QMessageBox::Information, QMessageBox::Ok);
    txtQuestion->setFocus();
    return false;
}

void frmBibliomancyMain::cmdNext_Click()
{
    if (!ValidateQuestion())
        return;

    const QString chosen = cmbOption->currentText();
    auto chosenIs = [&chosen](const char *text) { return chosen == QLatin1String(text); };
    if (chosenIs("Christianity")) {
        LoadChristianityPassages();
        const qint16 index = DrawPassageIndex(ChristianityCount);
        auto *display = WindowRegistry::window<frmBibliomancyDisplay>();
        display->bringToFront(display->FraChristianity);
        display->lblChristianityCaption->setText(ChristianityRef[index]);
        display->txtChristianity->setText(ChristianityText[index]);
    } else if (chosenIs("Hinduism")) {
        LoadHinduismPassages();
        const qint16 index = DrawPassageIndex(HinduismCount);
        auto *display = WindowRegistry::window<frmBibliomancyDisplay>();
        display->bringToFront(display->fraHinduism);
        display->lblHinduismCaption->setText(HinduismRef[index]);
        display->txtHinduism->setText(HinduismText[index]);
    } else if (chosenIs("Islam")) {
        LoadIslamPassages();
        const qint16 index = DrawPassageIndex(IslamCount);
        auto *display = WindowRegistry::window<frmBibliomancyDisplay>();
        display->bringToFront(display->fraIslam);
        display->lblIslamCaption->setText(IslamRef[index]);
        display->txtIslam->setText(IslamText[index]);
    } else if (chosenIs("Judaism")) {
        LoadJudaismPassages();
        const qint16 index = DrawPassageIndex(JudaismCount);
        auto *display = WindowRegistry::window<frmBibliomancyDisplay>();
        display->bringToFront(display->fraJudaism);
        display->lblJudaismCaption->setText(JudaismRef[index]);
        display->txtJudaism->setText(JudaismText[index]);
    } else if (chosenIs("I Ching")) {
        LoadIChingHexagrams();
        const qint16 number = DrawHexagramNumber();
        auto *display = WindowRegistry::window<frmBibliomancyDisplay>();
        display->bringToFront(display->fraIChing);
        display->lblIChingName->setText(IChingName[number]);
        display->txtJudgementPoem->setText(IChingJudgement[number]);
        display->txtImagePoem->setText(IChingImage[number]);
    } else {
        return; // the list holds nothing else
    }

    // Hidden, not unloaded: the question and the choice wait for the next reading.
    handOverTo(WindowRegistry::window<frmBibliomancyDisplay>());
}
