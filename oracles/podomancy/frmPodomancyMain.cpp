#include "frmPodomancyMain.h"

#include "frame/WindowRegistry.h"
#include "frame/MsgBox.h"
#include "frame/Widgets.h"
#include "oracles/podomancy/frmPodomancyDisplay.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace modPodomancy;

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::mainWindow(QStringLiteral("Orrin Podomancy"), "mnuMakeMoneyOnline");
    design.exitButton = true;
    return design;
}

const char Introduction[] =
    "Orrin Podomancy is a feet divination software. Know what your toes reveal about your personality "
    "with this simple tool. Just choose the right options that stand true for you and get your answers! ";

} // namespace

frmPodomancyMain::frmPodomancyMain()
    : OracleWindow(mainDesign())
{
    Label1 = new QLabel(QString::fromUtf8(Introduction), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(captionFont(10, true));

    picFoot = new PictureBox(QStringLiteral("picFoot"), QStringLiteral("foot.svg"), this);
    picFoot->setFixedSize(150, 200);
    picFoot->setAccessibleName(QStringLiteral("Bare foot"));

    // All eight pages share one place; the current one is the page in front.
    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("pages"));
    for (int page = 0; page < GroupCount; ++page)
        buildPage(page);

    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(picFoot, 0, Qt::AlignVCenter);
    row->addWidget(pages, 1);

    content()->addWidget(Label1);
    content()->addSpacing(4);
    content()->addLayout(row);

    // Form_Load: the questionnaire always opens on its first page.
    bringToFront(ToeAppearance);
    CentreOracleWindow();
}

void frmPodomancyMain::buildPage(int page)
{
    const AnswerGroup &group = AnswerGroups[page];
    auto *frame = new QGroupBox(QString::fromUtf8(group.pageCaption), pages);
    frame->setObjectName(QStringLiteral("fraToe(%1)").arg(page));
    QFont titleFont = captionFont(10, true);
    frame->setFont(titleFont);
    fraToe[page] = frame;

    auto *column = new QVBoxLayout(frame);
    column->setContentsMargins(16, 12, 12, 12);
    column->setSpacing(6);

    exclusive[page] = new QButtonGroup(frame);
    exclusive[page]->setExclusive(true);
    for (int index = 0; index < group.size; ++index) {
        auto *button = new QRadioButton(OptionCaption(page, index), frame);
        button->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(group.optionName)).arg(index));
        button->setFont(captionFont(10));
        exclusive[page]->addButton(button, index);
        answerGroup[page][index] = button;
        column->addWidget(button);
    }
    column->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    if (page > 0) {
        auto *back = new QPushButton(QStringLiteral("&Back"), frame);
        back->setObjectName(QStringLiteral("cmdBack(%1)").arg(page));
        back->setFont(captionFont());
        connect(back, &QPushButton::clicked, this, [this, page] { cmdBack_Click(page); });
        buttons->addWidget(back);
        cmdBack[page] = back;
    }
    auto *next = new QPushButton(page == GroupCount - 1 ? QStringLiteral("&Analyze My Toes") : QStringLiteral("&Next"),
                                 frame);
    next->setObjectName(QStringLiteral("cmdNext(%1)").arg(page));
    next->setFont(captionFont());
    connect(next, &QPushButton::clicked, this, [this, page] { cmdNext_Click(page); });
    buttons->addWidget(next);
    cmdNext[page] = next;
    column->addLayout(buttons);

    pages->addWidget(frame);
}

int frmPodomancyMain::currentPage() const
{
    return pages->currentIndex();
}

QRadioButton *frmPodomancyMain::option(int group, int index) const
{
    if (index < 0 || index >= GroupSize(group))
        return nullptr;
    return answerGroup[group][index];
}

void frmPodomancyMain::bringToFront(int page)
{
    pages->setCurrentIndex(page);
}

int frmPodomancyMain::CountUnselected(int group) const
{
    int unselected = 0;
    for (int index = 0; index < GroupSize(group); ++index)
        if (!answerGroup[group][index]->isChecked())
            ++unselected;
    return unselected;
}

bool frmPodomancyMain::unanswered(int group) const
{
    return CountUnselected(group) == GroupSize(group);
}

void frmPodomancyMain::cmdNext_Click(int index)
{
    if (index < 0 || index >= GroupCount)
        return;
    if (index == RidgesonToeNails) {
        AnalyzeToes();
        return;
    }
    if (index == ToeShape) {
        // The one question that may be left open.
        if (unanswered(ToeShape)
            && MsgBox(QStringLiteral("Do you want to select this option ?"), QMessageBox::NoIcon,
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
                   == QMessageBox::Yes)
            return;
        bringToFront(ToeShape + 1);
        return;
    }
    if (unanswered(index)) {
        MsgBox(QStringLiteral("Please select an option"), QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    bringToFront(index + 1);
}

void frmPodomancyMain::cmdBack_Click(int index)
{
    if (index >= 1 && index < GroupCount)
        bringToFront(index - 1);
}

void frmPodomancyMain::AnalyzeToes()
{
    if (unanswered(RidgesonToeNails)) {
        MsgBox(QStringLiteral("Please select an option"), QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    auto *display = WindowRegistry::window<frmPodomancyDisplay>();
    for (int group = 0; group < GroupCount; ++group) {
        for (int index = 0; index < GroupSize(group); ++index) {
            if (!answerGroup[group][index]->isChecked())
                continue;
            // A group left open keeps the labels the interpretation window was loaded with.
            display->nameLabel(group)->setText(OptionCaption(group, index));
            display->resultLabel(group)->setText(Interpretation(group, index));
            break;
        }
    }
    handOverTo(display);
}
