#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/ClipboardGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// A window holding one box of each kind a reading text lives in.
struct GuardedBoxes {
    QWidget window;
    QTextEdit *rich = new QTextEdit(&window);
    QPlainTextEdit *plain = new QPlainTextEdit(&window);
    QLineEdit *line = new QLineEdit(&window);

    GuardedBoxes()
    {
        auto *column = new QVBoxLayout(&window);
        column->addWidget(rich);
        column->addWidget(plain);
        column->addWidget(line);
        rich->setPlainText(QStringLiteral("A reading worth keeping to yourself."));
        plain->setPlainText(QStringLiteral("Another reading."));
        line->setText(QStringLiteral("A third."));
        for (QWidget *box : {static_cast<QWidget *>(rich), static_cast<QWidget *>(plain), static_cast<QWidget *>(line)})
            ClipboardGuard::guard(box);
        window.resize(400, 400);
        window.show();
    }

    // Where the mouse meets the box: a scrolling box's viewport.
    QWidget *mouseTarget(const QString &kind)
    {
        if (kind == u"rich")
            return rich->viewport();
        if (kind == u"plain")
            return plain->viewport();
        return line;
    }
};

} // namespace

class ClipboardGuardTest : public DesktopTest {
    Q_OBJECT

private slots:

    void everyMouseActionClears_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("rich text box") << "rich";
        QTest::newRow("plain text box") << "plain";
        QTest::newRow("one-line box") << "line";
    }

    void everyMouseActionClears()
    {
        QFETCH(QString, kind);
        ScriptedDesktop &desktop = scripted();
        GuardedBoxes boxes;
        QWidget *target = boxes.mouseTarget(kind);

        desktop.clipboardClears = 0;
        moveMouseOver(target);
        QVERIFY(desktop.clipboardClears >= 1);

        desktop.clipboardClears = 0;
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(desktop.clipboardClears >= 1);
        desktop.clipboardClears = 0;
        QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(desktop.clipboardClears >= 1);
    }

    void everyTextChangeClears_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("rich text box") << "rich";
        QTest::newRow("plain text box") << "plain";
        QTest::newRow("one-line box") << "line";
    }

    void everyTextChangeClears()
    {
        QFETCH(QString, kind);
        ScriptedDesktop &desktop = scripted();
        GuardedBoxes boxes;
        QWidget *box = kind == u"rich" ? static_cast<QWidget *>(boxes.rich)
                       : kind == u"plain" ? static_cast<QWidget *>(boxes.plain)
                                          : static_cast<QWidget *>(boxes.line);
        desktop.clipboardClears = 0;
        QTest::keyClicks(box, QStringLiteral("abc")); // keys alone do not clear: the changes do
        QCOMPARE(desktop.clipboardClears, 3);

        desktop.clipboardClears = 0;
        if (kind == u"rich")
            boxes.rich->setPlainText(QStringLiteral("new text"));
        else if (kind == u"plain")
            boxes.plain->setPlainText(QStringLiteral("new text"));
        else
            boxes.line->setText(QStringLiteral("new text"));
        QVERIFY(desktop.clipboardClears >= 1);
    }

    void guardingTwiceGuardsOnce()
    {
        ScriptedDesktop &desktop = scripted();
        QTextEdit box;
        ClipboardGuard *first = ClipboardGuard::guard(&box);
        QCOMPARE(ClipboardGuard::guard(&box), first);
        desktop.clipboardClears = 0;
        box.setPlainText(QStringLiteral("x"));
        QCOMPARE(desktop.clipboardClears, 1);
    }

    // On the real desktop: whatever is on the clipboard, also text copied
    // from the box itself, is gone with the next movement over the box.
    void realClipboardIsEmptiedByAMove()
    {
        const RealDesktopInPlace realDesktop;
        GuardedBoxes boxes;
        QClipboard *clipboard = QGuiApplication::clipboard();

        clipboard->setText(QStringLiteral("copied in another program"));
        QCOMPARE(clipboard->text(), QStringLiteral("copied in another program"));
        moveMouseOver(boxes.rich->viewport());
        QVERIFY(clipboard->text().isEmpty());

        boxes.rich->setFocus();
        boxes.rich->selectAll();
        QTest::keySequence(boxes.rich, QKeySequence::Copy);
        QCOMPARE(clipboard->text(), QStringLiteral("A reading worth keeping to yourself."));
        moveMouseOver(boxes.rich->viewport());
        QVERIFY(clipboard->text().isEmpty());
    }
};

ORRIN_TEST(ClipboardGuardTest)
#include "ClipboardGuardTest.moc"
