#include "DesktopTest.h"
#include "EveryWindow.h"
#include "TestMain.h"

#include "app/frmAbout.h"
#include "app/frmMDI.h"
#include "frame/OracleWindow.h"
#include "frame/Widgets.h"
#include "frame/WindowRegistry.h"
#include "oracles/arithmancy/frmArithmancyMain.h"
#include "oracles/bibliomancy/frmBibliomancyDisplay.h"
#include "oracles/bibliomancy/frmBibliomancyMain.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingDisplay.h"
#include "oracles/coffee_cup/frmCoffeeCupReadingMain.h"
#include "oracles/cyclomancy/frmCyclomancyMain.h"
#include "oracles/domino/frmDominoOracleDisplay.h"
#include "oracles/domino/frmDominoOracleMain.h"
#include "oracles/fortune_cookie/frmFortuneCookieDisplay.h"
#include "oracles/fortune_cookie/frmFortuneCookieMain.h"
#include "oracles/mahjong/frmMahjongOracleDisplay.h"
#include "oracles/mahjong/frmMahjongOracleMain.h"
#include "oracles/podomancy/frmPodomancyDisplay.h"
#include "oracles/podomancy/frmPodomancyMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingDisplay.h"
#include "oracles/tea_leaf/frmTeaLeafReadingMain.h"
#include "oracles/tea_leaf/frmTeaLeafReadingSave.h"

#include <QAccessible>
#include <QHash>
#include <QWidget>

#include <functional>

namespace {

// What a screen reader user acts on or looks at: each needs a name.
bool needsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

bool isMenu(QAccessible::Role role)
{
    return role == QAccessible::MenuBar || role == QAccessible::PopupMenu || role == QAccessible::MenuItem;
}

// What the walk found wrong, one line each, with the path to the element.
struct Findings {
    QStringList faults;
    // Names of the shown buttons and links, to find two alike.
    QHash<QString, QString> shownNames;
};

QString step(QAccessibleInterface *element)
{
    QString name = element->object() ? element->object()->objectName() : QString();
    if (name.isEmpty() && element->object())
        name = QLatin1String(element->object()->metaObject()->className());
    return QStringLiteral("%1 (role %2)").arg(name).arg(int(element->role()), 0, 16);
}

void walk(QAccessibleInterface *element, const QString &path, Findings &findings, int depth = 0)
{
    if (!element || !element->isValid() || depth > 40)
        return;
    const QAccessible::Role role = element->role();
    if (isMenu(role))
        return; // the menus are checked as menus, by their captions
    const QString here = path + QLatin1Char('/') + step(element);
    const QString name = element->text(QAccessible::Name).trimmed();
    const bool focusable = element->state().focusable;
    if ((needsName(role) || focusable) && name.isEmpty())
        findings.faults.append(QStringLiteral("unnamed: ") + here);
    if (role == QAccessible::Link
        && !element->text(QAccessible::Description).contains(QLatin1String("web page"), Qt::CaseInsensitive))
        findings.faults.append(QStringLiteral("link that does not say it opens a web page: ") + here);
    if (auto *picture = qobject_cast<PictureBox *>(element->object())) {
        const QAccessible::Role expected = picture->isClickable() ? QAccessible::Button : QAccessible::Graphic;
        if (role != expected)
            findings.faults.append(QStringLiteral("picture with the wrong role: ") + here);
    }
    if ((role == QAccessible::Button || role == QAccessible::Link) && !element->state().invisible && !name.isEmpty()) {
        if (findings.shownNames.contains(name))
            findings.faults.append(QStringLiteral("named like %1: %2").arg(findings.shownNames.value(name), here));
        findings.shownNames.insert(name, here);
    }
    if (role == QAccessible::ComboBox)
        return; // its list and its text field speak with the box's name
    for (int index = 0; index < element->childCount(); ++index)
        walk(element->child(index), here, findings, depth + 1);
}

} // namespace

class AccessibilityTest : public DesktopTest {
    Q_OBJECT

private slots:
    // Every control and picture of every window has a name; every link says
    // it opens a web page; no two buttons or links in sight sound alike.
    void everyElementIsNamed_data()
    {
        addEveryWindowRows();
    }
    void everyElementIsNamed()
    {
        QFETCH(std::function<QWidget *()>, open);
        QWidget *window = open();
        QVERIFY(window && window->isVisible());
        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
        QVERIFY(root);
        Findings findings;
        walk(root, QString(), findings);
        QVERIFY2(findings.faults.isEmpty(), qPrintable(findings.faults.join(QLatin1Char('\n'))));
    }

    // The walk finds what it looks for: a nameless picture and a link
    // without its description.
    void theWalkFindsNamelessElements()
    {
        QWidget window;
        auto *picture = new PictureBox(QStringLiteral("nameless"), QStringLiteral("teapot.svg"), &window);
        auto *link = new LinkLabel(QStringLiteral("link"), QStringLiteral("Visit us"), &window);
        link->setAccessibleDescription(QString());
        window.show();
        Findings findings;
        walk(QAccessible::queryAccessibleInterface(&window), QString(), findings);
        QCOMPARE(findings.faults.size(), 2);
        QVERIFY(findings.faults[0].contains(QLatin1String("unnamed: /")));
        QVERIFY(findings.faults[0].contains(QLatin1String("nameless")));
        QVERIFY(findings.faults[1].contains(QLatin1String("web page")));

        picture->setAccessibleName(QStringLiteral("Teapot"));
        picture->setClickable(true);
        link->setAccessibleDescription(QStringLiteral("Opens a web page"));
        findings = Findings();
        walk(QAccessible::queryAccessibleInterface(&window), QString(), findings);
        QVERIFY2(findings.faults.isEmpty(), qPrintable(findings.faults.join(QLatin1Char('\n'))));
        QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Name), "Visit us");
    }

    // A screen reader presses a picture button or a link as a click does.
    void pressActionClicks()
    {
        QWidget window;
        auto *picture = new PictureBox(QStringLiteral("pot"), QStringLiteral("coffee_pot.svg"), &window);
        auto *link = new LinkLabel(QStringLiteral("link"), QStringLiteral("Visit us"), &window);
        int clicks = 0;
        connect(picture, &PictureBox::clicked, this, [&clicks] { ++clicks; });
        connect(link, &LinkLabel::clicked, this, [&clicks] { ++clicks; });
        QAccessibleActionInterface *pictureActions = QAccessible::queryAccessibleInterface(picture)->actionInterface();
        QVERIFY(pictureActions);
        QVERIFY(!pictureActions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        picture->setClickable(true);
        QVERIFY(pictureActions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        pictureActions->doAction(QAccessibleActionInterface::pressAction());
        QAccessible::queryAccessibleInterface(link)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 2);
    }
};

ORRIN_TEST(AccessibilityTest)
#include "AccessibilityTest.moc"
