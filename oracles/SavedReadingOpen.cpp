#include "SavedReadingOpen.h"

#include "frame/MsgBox.h"
#include "frame/OracleWindow.h"
#include "oracles/modSavedReading.h"
#include "platform/Desktop.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <optional>

using namespace modSavedReading;

namespace {

QComboBox *newBirthdayBox(const char *name, int shortestChars, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    // A saved reading may hold a value that is not in the list; the box shows
    // it all the same. What the user types is not added to the list.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(shortestChars);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLabel *newCaption(const char *name, const char *caption, QComboBox *box, QWidget *parent)
{
    auto *label = new QLabel(QString::fromLatin1(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(box);
    return label;
}

} // namespace

BirthdayPanel NewBirthdayPanel(QWidget *parent)
{
    BirthdayPanel panel;
    panel.fraBirthDay = new QGroupBox(QStringLiteral("* Birth Day"), parent);
    panel.fraBirthDay->setObjectName(QStringLiteral("fraBirthDay"));
    panel.cboDate = newBirthdayBox("cboDate", 3, panel.fraBirthDay);
    panel.cboMonth = newBirthdayBox("cboMonth", 10, panel.fraBirthDay);
    panel.cboYear = newBirthdayBox("cboYear", 5, panel.fraBirthDay);
    panel.Label3 = newCaption("Label3", "Date", panel.cboDate, panel.fraBirthDay);
    panel.Label6 = newCaption("Label6", "Month", panel.cboMonth, panel.fraBirthDay);
    panel.Label7 = newCaption("Label7", "Year", panel.cboYear, panel.fraBirthDay);

    auto *row = new QHBoxLayout(panel.fraBirthDay);
    row->setSpacing(6);
    row->addWidget(panel.Label3);
    row->addWidget(panel.cboDate);
    row->addSpacing(12);
    row->addWidget(panel.Label6);
    row->addWidget(panel.cboMonth);
    row->addSpacing(12);
    row->addWidget(panel.Label7);
    row->addWidget(panel.cboYear);
    return panel;
}

void SetBirthdayText(QComboBox *box, const QString &text)
{
    if (!box)
        return;
    // An exact match only: "march" is not the entry "March".
    const int entry = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(entry);
    if (box->isEditable())
        box->setEditText(text);
}

SavedReadingOpened OpenSavedReading(OracleWindow *window, const BirthdayBoxes &boxes,
                                    const std::function<void()> &reading)
{
    platform::OpenDialogRequest request;
    request.title = QString::fromUtf8(OpenDialogTitle);
    request.filter = QString::fromUtf8(OpenDialogFilter);
    request.defaultSuffix = QString::fromUtf8(OpenDialogDefaultSuffix);
    request.fileMustExist = true;
    request.hideReadOnly = true;

    QString path;
    {
        // The dialog runs its own event loop; the window stays in one piece
        // for as long as it is open, even if the program ends meanwhile.
        std::optional<Form::InUse> inUse;
        if (window)
            inUse.emplace(window);
        path = platform::desktop().askOpenFileName(request);
    }
    if (window && window->isUnloaded())
        return SavedReadingOpened::WindowGone;

    switch (CheckSavedReadingPath(path)) {
    case SavedReadingPath::Cancelled:
        return SavedReadingOpened::Cancelled;
    case SavedReadingPath::WrongFile:
        MsgBox(QString::fromUtf8(CheckTheFileMessage), QMessageBox::Critical, QMessageBox::Ok);
        return SavedReadingOpened::WrongFile;
    case SavedReadingPath::Accepted:
        break;
    }

    const SavedBirthday birthday = ReadSavedBirthday(path);
    SetBirthdayText(boxes.month, birthday.month);
    SetBirthdayText(boxes.date, birthday.date);
    SetBirthdayText(boxes.year, birthday.year);
    if (reading)
        reading();
    return SavedReadingOpened::Read;
}
