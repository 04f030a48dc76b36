#include "frmTeaLeafReadingMain.h"

#include "frame/WindowRegistry.h"
#include "frame/MsgBox.h"
#include "frame/Widgets.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/modTeaLeafReading.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

const char *const TeaCaptions[frmTeaLeafReadingMain::TeaCount] = {
    "Ceylon (Sri Lankan Tea)",
    "Oolong (Chinese Tea)",
    "Darjeeling ((Indian Tea)",
    "Earl Grey (British Tea)",
    "Ten Wu (Taiwanese Tea)",
    "Bancha (Japanese Tea)",
    "Assam (Indian Tea)",
};

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Tea Leaf Reading"), "mm");
    design.widthTwips = 10800;
    design.cobrandFourBlanks = false;
    return design;
}

// Character codes: only the plain letters A..Z and a..z count as letters.
bool isLowerLetter(int code) { return code >= 'a' && code <= 'z'; }
bool isUpperLetter(int code) { return code >= 'A' && code <= 'Z'; }
int toCapital(int code) { return isLowerLetter(code) ? code - 32 : code; }
QString capitalOf(int code) { return QString(QChar(toCapital(code))); }

// What reaches a text box by any other way than a typed key (pasting,
// dropping, an input method) passes the same rule as typed characters: the
// name keeps letters and blanks only, and both boxes hold capitals.
class CapitalsValidator : public QValidator {
public:
    CapitalsValidator(bool lettersAndBlanksOnly, QObject *parent)
        : QValidator(parent)
        , lettersOnly(lettersAndBlanksOnly)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const int code = input.at(i).unicode();
            if (lettersOnly && !isLowerLetter(code) && !isUpperLetter(code) && code != ' ')
                continue;
            kept.append(QChar(toCapital(code)));
            if (i < pos)
                ++keptBeforeCursor;
        }
        input = kept;
        pos = keptBeforeCursor;
        return Acceptable;
    }

private:
    bool lettersOnly;
};

// The character code a key press types, as the key filters see it: 13 for
// Enter, 8 for Backspace, else the first character of its text. Keys that
// type nothing (arrows, Delete, Tab) and shortcuts (copy, paste, undo) give
// -1: they are the text box's own business.
int typedCharacter(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    if (event->key() == Qt::Key_Backspace)
        return 8;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    const char32_t code = text.toUcs4().value(0);
    if (code < 32 || code == 127)
        return -1;
    return static_cast<int>(code);
}

QGroupBox *newFrame(const char *name, QWidget *parent)
{
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

QLabel *newLabel(const char *name, const char *caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmTeaLeafReadingMain::frmTeaLeafReadingMain()
    : OracleWindow(mainDesign())
{
    // Introduction.
    Frame3 = newFrame("Frame3", this);
    Label3 = newLabel("Label3",
                      "Tea Leaf Reading or Tasseomancy is a traditional divination method which interprets patterns "
                      "in tea leaves. This software can help you answer questions about the current circumstances "
                      "that you may be facing in life.",
                      captionFont(10, true), Frame3);
    Label3->setAlignment(Qt::AlignCenter);
    auto *introLayout = new QVBoxLayout(Frame3);
    introLayout->addWidget(Label3);

    // Name and question.
    Frame4 = newFrame("Frame4", this);
    Label1 = newLabel("Label1", "Name-", captionFont(9, true), Frame4);
    Label1->setWordWrap(false);
    txtName = new QLineEdit(Frame4);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setValidator(new CapitalsValidator(true, txtName));
    Label2 = newLabel("Label2", "Enter Your Question-", captionFont(9, true), Frame4);
    Label2->setWordWrap(false);
    txtQuestion = new QLineEdit(Frame4);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setValidator(new CapitalsValidator(false, txtQuestion));
    Label1->setBuddy(txtName);
    Label2->setBuddy(txtQuestion);
    txtName->setAccessibleName(QStringLiteral("Your name"));
    txtQuestion->setAccessibleName(QStringLiteral("Your question"));
    auto *entryLayout = new QGridLayout(Frame4);
    entryLayout->setVerticalSpacing(10);
    entryLayout->addWidget(Label1, 0, 0);
    entryLayout->addWidget(txtName, 0, 1);
    entryLayout->addWidget(Label2, 1, 0);
    entryLayout->addWidget(txtQuestion, 1, 1);
    entryLayout->setColumnStretch(1, 1);

    // The seven teas, none chosen at first.
    Frame1 = newFrame("Frame1", this);
    auto *teaLayout = new QGridLayout(Frame1);
    teaLayout->setHorizontalSpacing(16);
    for (int index = 0; index < TeaCount; ++index) {
        auto *tea = new QRadioButton(QString::fromUtf8(TeaCaptions[index]), Frame1);
        tea->setObjectName(QStringLiteral("optTypeOfTea(%1)").arg(index));
        teaLayout->addWidget(tea, index % 4, index / 4);
        optTypeOfTea[index] = tea;
    }

    // How to ask.
    Frame5 = newFrame("Frame5", this);
    Label5 = newLabel("Label5",
                      "Be calm, close your eyes and concentrate on your question. Slowly open your eyes and place "
                      "your mouse on the image in order to get a reading.",
                      captionFont(9), Frame5);
    Label5->setAlignment(Qt::AlignCenter);
    auto *calmLayout = new QVBoxLayout(Frame5);
    calmLayout->addWidget(Label5);

    // The teapot that starts the reading.
    Frame2 = newFrame("Frame2", this);
    picTeapot = new PictureBox(QStringLiteral("picTeapot"), QStringLiteral("teapot.svg"), Frame2);
    picTeapot->setFixedSize(220, 180);
    picTeapot->setClickable(true);
    picTeapot->setAccessibleName(QStringLiteral("Teapot: click for your tea leaf reading"));
    connect(picTeapot, &PictureBox::clicked, this, &frmTeaLeafReadingMain::picTeapot_Click);
    connect(picTeapot, &PictureBox::mouseMoved, this, &frmTeaLeafReadingMain::picTeapot_MouseMove);
    lblMessage = newLabel("lblMessage", "Click on the Image to get your Tea Leaf Reading", captionFont(9, true),
                          Frame2);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setForegroundRole(QPalette::Highlight);
    // The message keeps its place while hidden so that nothing jumps on hover.
    QSizePolicy keepPlace = lblMessage->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblMessage->setSizePolicy(keepPlace);
    lblMessage->hide();
    auto *teapotLayout = new QVBoxLayout(Frame2);
    teapotLayout->addWidget(picTeapot, 0, Qt::AlignHCenter);
    teapotLayout->addWidget(lblMessage);
    teapotLayout->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(Frame3);
    left->addWidget(Frame4);
    left->addWidget(Frame1);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(Frame5);
    right->addWidget(Frame2, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    content()->addLayout(columns);

    // The form and the four frames report the pointer moving over them; the
    // plain labels in them let it through to their frame.
    for (QWidget *area : {widget(), static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame3),
                          static_cast<QWidget *>(Frame4), static_cast<QWidget *>(Frame5)}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
    for (QLabel *label : {Label3, Label1, Label2, Label5})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    txtName->installEventFilter(this);
    txtQuestion->installEventFilter(this);
    txtName->setFocus();
    CentreOracleWindow();
}

bool frmTeaLeafReadingMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (watched == txtName)
            return txtName_KeyPress(static_cast<QKeyEvent *>(event));
        if (watched == txtQuestion)
            return txtQuestion_KeyPress(static_cast<QKeyEvent *>(event));
    } else if (event->type() == QEvent::MouseMove) {
        if (watched == widget() || watched == Frame1 || watched == Frame3 || watched == Frame4 || watched == Frame5)
            Form_MouseMove();
    }
    return OracleWindow::eventFilter(watched, event);
}

bool frmTeaLeafReadingMain::txtName_KeyPress(QKeyEvent *event)
{
    const int code = typedCharacter(event);
    if (code < 0 || code == 32 || code == 13 || code == 8 || isUpperLetter(code))
        return false;
    if (isLowerLetter(code)) {
        txtName->insert(capitalOf(code));
        return true;
    }
    MsgBox(QStringLiteral("Please Enter Onlt Letters"), QMessageBox::Information);
    return true;
}

bool frmTeaLeafReadingMain::txtQuestion_KeyPress(QKeyEvent *event)
{
    const int code = typedCharacter(event);
    if (!isLowerLetter(code))
        return false;
    txtQuestion->insert(capitalOf(code));
    return true;
}

void frmTeaLeafReadingMain::picTeapot_MouseMove()
{
    picTeapot->setBorder(true);
    lblMessage->setVisible(true);
}

void frmTeaLeafReadingMain::Form_MouseMove()
{
    picTeapot->setBorder(false);
    lblMessage->setVisible(false);
}

bool frmTeaLeafReadingMain::ValidateTeaLeafInput()
{
    if (txtName->text().isEmpty()) {
        MsgBox(QStringLiteral("Pleas enter your name"), QMessageBox::Information);
        txtName->setFocus();
        return false;
    }
    if (txtQuestion->text().isEmpty()) {
        MsgBox(QStringLiteral("Pleas enter your Question"), QMessageBox::Information);
        txtQuestion->setFocus();
        return false;
    }
    bool teaChosen = false;
    for (QRadioButton *tea : optTypeOfTea)
        teaChosen = teaChosen || tea->isChecked();
    if (!teaChosen) {
        MsgBox(QStringLiteral("Please select type of tea"), QMessageBox::Information);
        return false;
    }
    return true;
}

void frmTeaLeafReadingMain::picTeapot_Click()
{
    if (!ValidateTeaLeafInput())
        return;
    modTeaLeafReading::DrawTeaLeafReading();

    auto *display = WindowRegistry::window<frmTeaLeafReadingDisplay>();
    display->lblFirstRndResult->setText(modTeaLeafReading::FirstMeaning);
    display->lblSecondRndResult->setText(modTeaLeafReading::SecondMeaning);
    display->lblThirdRndResult->setText(modTeaLeafReading::ThirdMeaning);
    display->lblResemblesOne->setText(modTeaLeafReading::FirstSymbol);
    display->lblResemblesTwo->setText(modTeaLeafReading::SecondSymbol);
    display->lblResemblesThree->setText(modTeaLeafReading::ThirdSymbol);

    handOverTo(display);
}
