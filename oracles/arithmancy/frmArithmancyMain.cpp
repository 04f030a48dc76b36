#include "frmArithmancyMain.h"

#include "frame/ClipboardGuard.h"
#include "frame/MsgBox.h"
#include "frame/Widgets.h"
#include "oracles/SavedReadingOpen.h"
#include "oracles/arithmancy/modArithmancy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QValidator>
#include <QVBoxLayout>

#include <utility>

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::singleWindow(QStringLiteral("Orrin Arithmancy"));
    design.widthTwips = 10200;
    return design;
}

const char *const MonthNames[12] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// Lines of text each result box shows before it scrolls.
constexpr int ResultBoxLines = 4;

bool isLowerLetter(char16_t code) { return code >= u'a' && code <= u'z'; }

// Letters that reach the name field by pasting or dropping become capitals
// too, so that the name shown is the name read: the reading counts only the
// capitals A to Z. Nothing is refused.
class CapitalLetters : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            if (isLowerLetter(c.unicode()))
                c = QChar(static_cast<char16_t>(c.unicode() - 32));
        return Acceptable;
    }
};

// Room below the panels that stays closed at the window's designed size.
// When the user makes the window taller it opens and shows what stands in it.
// While it is closed, Tab passes its controls by: they cannot be seen.
class BelowTheFold : public QWidget {
public:
    BelowTheFold(QWidget *inner, QWidget *parent)
        : QWidget(parent)
        , inner(inner)
    {
        inner->setParent(this);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        for (QWidget *control : inner->findChildren<QWidget *>())
            if ((qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractButton *>(control))
                && control->focusPolicy() != Qt::NoFocus)
                tabStops.append({control, control->focusPolicy()});
    }

    QSize sizeHint() const override { return {inner->sizeHint().width(), 0}; }
    QSize minimumSizeHint() const override { return {inner->minimumSizeHint().width(), 0}; }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        inner->setGeometry(0, Gap, width(), inner->sizeHint().height());
        const bool open = height() > inner->geometry().bottom();
        for (const auto &[control, policy] : std::as_const(tabStops))
            control->setFocusPolicy(open ? policy : Qt::NoFocus);
    }

private:
    static constexpr int Gap = 10;
    QWidget *inner;
    QList<std::pair<QWidget *, Qt::FocusPolicy>> tabStops;
};

QLabel *newLabel(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *newButton(const char *name, const char *caption, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

frmArithmancyMain::frmArithmancyMain()
    : OracleWindow(mainDesign())
{
    panels = new QStackedWidget(this);
    panels->setObjectName(QStringLiteral("panels"));
    buildInputPanel();
    buildResultsPanel();
    content()->addWidget(panels);
    buildBirthday();

    // Form_Load: the birthday lists, first entries selected, and the name entry in front.
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (const char *month : MonthNames)
        cboMonth->addItem(QString::fromLatin1(month));
    for (int year = 1900; year <= 2050; ++year)
        cboYear->addItem(QString::number(year));
    for (QComboBox *box : {cboDate, cboMonth, cboYear})
        box->setCurrentIndex(0);
    bringToFront(Frame1);
    txtName->setFocus();
    CentreOracleWindow();
}

void frmArithmancyMain::buildInputPanel()
{
    Frame1 = new QGroupBox(panels);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    lblLabel[5] = newLabel(QStringLiteral("lblLabel(5)"),
                           QStringLiteral("Arithmancy is a branch of magic that deals with the study of magical "
                                          "properties of numbers. Numbers have strong vibrations in the different "
                                          "facets of our lives. They tell us a lot about our personality, social "
                                          "behavior and inner turmoil."),
                           captionFont(10, true), Frame1);
    lblLabel[4] = newLabel(QStringLiteral("lblLabel(4)"),
                           QStringLiteral("Orrin Arithmancy tells you more about your Character, Social and Heart "
                                          "Number. Enter your name to learn more about yourself!"),
                           captionFont(10), Frame1);
    lblLabel[0] = newLabel(QStringLiteral("lblLabel(0)"), QStringLiteral("Enter Name"), captionFont(10, true), Frame1);
    for (int index : {5, 4})
        lblLabel[index]->setWordWrap(true);

    txtName = new QLineEdit(Frame1);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(captionFont(11));
    txtName->setValidator(new CapitalLetters(txtName));
    txtName->installEventFilter(this);
    lblLabel[0]->setBuddy(txtName);

    cmdNext = newButton("cmdNext", "&Get My Arithmancy Reading", Frame1);
    connect(cmdNext, &QPushButton::clicked, this, &frmArithmancyMain::cmdNext_Click);
    // Enter in the name field asks for the reading, as the button does.
    connect(txtName, &QLineEdit::returnPressed, this, &frmArithmancyMain::cmdNext_Click);

    picArithmancy = new PictureBox(QStringLiteral("picArithmancy"), QStringLiteral("icon_arithmancy.svg"), Frame1);
    picArithmancy->setFixedSize(96, 96);
    picArithmancy->setAccessibleName(QStringLiteral("Numbers"));

    auto *introduction = new QVBoxLayout;
    introduction->setSpacing(10);
    introduction->addWidget(lblLabel[5]);
    introduction->addWidget(lblLabel[4]);
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picArithmancy, 0, Qt::AlignTop);
    top->addLayout(introduction, 1);

    auto *entry = new QHBoxLayout;
    entry->setSpacing(10);
    entry->addWidget(lblLabel[0]);
    entry->addWidget(txtName, 1);

    auto *column = new QVBoxLayout(Frame1);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(14);
    column->addStretch(1);
    column->addLayout(top);
    column->addSpacing(8);
    column->addLayout(entry);
    column->addWidget(cmdNext, 0, Qt::AlignHCenter);
    column->addStretch(2);

    panels->addWidget(Frame1);
}

void frmArithmancyMain::buildResultsPanel()
{
    Frame2 = new QGroupBox(QStringLiteral("Orrin Arithmancy Results"), panels);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFont(captionFont(10, true));

    const char *const titles[TextCount] = {"Character Number", "Heart Number", "Social Number"};
    const char *const descriptions[TextCount] = {
        "This number indicates the general personality of the person.",
        "This number indicates the inner desires of a person and his hidden fears.",
        "This number indicates the outer face of a person that is seen by the world.",
    };

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(4);
    for (int block = 0; block < TextCount; ++block) {
        QLabel *title = newLabel(QStringLiteral("lblLabel(%1)").arg(block + 1), QString::fromUtf8(titles[block]),
                                 captionFont(10, true), Frame2);
        QLabel *number = newLabel(QStringLiteral("lblResult(%1)").arg(block), QStringLiteral("10"),
                                  captionFont(24, true), Frame2);
        number->setAlignment(Qt::AlignCenter);
        number->setForegroundRole(QPalette::Highlight);
        QLabel *description = newLabel(QStringLiteral("lblResult(%1)").arg(block + 3),
                                       QString::fromUtf8(descriptions[block]), captionFont(9), Frame2);
        description->setWordWrap(true);

        auto *text = new QPlainTextEdit(Frame2);
        text->setObjectName(QStringLiteral("txtResult(%1)").arg(block));
        text->setFont(captionFont(9));
        text->setReadOnly(true);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setTabChangesFocus(true);
        text->setAccessibleName(QStringLiteral("%1 meaning").arg(QString::fromUtf8(titles[block])));
        // Whole lines only: the box ends where a line ends.
        const int lines = QFontMetrics(text->font()).height() * ResultBoxLines;
        text->setFixedHeight(lines + 2 * text->frameWidth() + static_cast<int>(text->document()->documentMargin()));
        ClipboardGuard::guard(text);

        lblLabel[block + 1] = title;
        lblResult[block] = number;
        lblResult[block + 3] = description;
        txtResult[block] = text;

        // Title and description, then the number and its meaning; a gap before the next block.
        const int row = block * 3;
        grid->addWidget(title, row, 0, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(description, row, 1, Qt::AlignBottom);
        grid->addWidget(number, row + 1, 0, Qt::AlignCenter);
        grid->addWidget(text, row + 1, 1);
        if (block + 1 < TextCount)
            grid->setRowMinimumHeight(row + 2, 6);
    }
    grid->setColumnStretch(1, 1);

    cmdBack = newButton("cmdBack", "&Back", Frame2);
    cmdBack->setFont(captionFont());
    connect(cmdBack, &QPushButton::clicked, this, &frmArithmancyMain::cmdBack_Click);

    auto *column = new QVBoxLayout(Frame2);
    column->setContentsMargins(14, 10, 14, 12);
    column->setSpacing(10);
    column->addLayout(grid);
    column->addWidget(cmdBack, 0, Qt::AlignRight);

    panels->addWidget(Frame2);
}

void frmArithmancyMain::buildBirthday()
{
    auto *row = new QWidget(this);
    row->setObjectName(QStringLiteral("birthdayRow"));

    const BirthdayPanel birthday = NewBirthdayPanel(row);
    fraBirthDay = birthday.fraBirthDay;
    cboDate = birthday.cboDate;
    cboMonth = birthday.cboMonth;
    cboYear = birthday.cboYear;
    Label3 = birthday.Label3;
    Label6 = birthday.Label6;
    Label7 = birthday.Label7;

    cmdOpen = newButton("cmdOpen", "&Open Previously Saved Reading", row);
    connect(cmdOpen, &QPushButton::clicked, this, &frmArithmancyMain::cmdOpen_Click);

    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(16);
    line->addWidget(fraBirthDay);
    line->addWidget(cmdOpen, 0, Qt::AlignBottom);
    line->addStretch(1);

    content()->addWidget(new BelowTheFold(row, this));
}

bool frmArithmancyMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtName && event->type() == QEvent::KeyPress)
        return txtName_KeyPress(static_cast<QKeyEvent *>(event));
    return OracleWindow::eventFilter(watched, event);
}

bool frmArithmancyMain::txtName_KeyPress(QKeyEvent *event)
{
    // Every key goes through; only a typed lower-case letter becomes its capital.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = event->text();
    if (typed.size() != 1 || !isLowerLetter(typed.at(0).unicode()))
        return false;
    txtName->insert(QString(QChar(static_cast<char16_t>(typed.at(0).unicode() - 32))));
    return true;
}

QWidget *frmArithmancyMain::panelInFront() const
{
    return panels->currentWidget();
}

void frmArithmancyMain::bringToFront(QWidget *panel)
{
    panels->setCurrentWidget(panel);
}

bool frmArithmancyMain::ValidateArithmancyName()
{
    return !txtName->text().isEmpty();
}

void frmArithmancyMain::cmdNext_Click()
{
    const QString name = txtName->text().trimmed();
    if (!ValidateArithmancyName()) {
        MsgBox(QStringLiteral("Please Enter Your Name"), QMessageBox::Critical, QMessageBox::Ok);
        txtName->setFocus();
        return;
    }
    ComputeArithmancyReading(name);
    bringToFront(Frame2);
    cmdBack->setFocus();
}

void frmArithmancyMain::ComputeArithmancyReading(const QString &name)
{
    CharacterNumber = 0;
    HeartNumber = 0;
    SocialNumber = 0;
    const modArithmancy::ArithmancyReading reading = modArithmancy::ComputeArithmancyReading(name);
    CharacterNumber = reading.CharacterNumber;
    HeartNumber = reading.HeartNumber;
    SocialNumber = reading.SocialNumber;

    lblResult[0]->setText(QString::number(CharacterNumber));
    lblResult[1]->setText(QString::number(HeartNumber));
    lblResult[2]->setText(QString::number(SocialNumber));
    txtResult[0]->setPlainText(reading.CharacterText);
    txtResult[1]->setPlainText(reading.HeartText);
    txtResult[2]->setPlainText(reading.SocialText);
}

void frmArithmancyMain::cmdBack_Click()
{
    txtName->clear();
    bringToFront(Frame1);
    txtName->setFocus();
}

void frmArithmancyMain::cmdOpen_Click()
{
    OpenSavedReading(this, {cboMonth, cboDate, cboYear}, [this] { cmdNext_Click(); });
}
