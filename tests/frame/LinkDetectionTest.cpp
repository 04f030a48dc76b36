#include "DesktopTest.h"
#include "TestMain.h"

#include "frame/ClipboardGuard.h"
#include "frame/modRTB.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <QVBoxLayout>

#include <tuple>

namespace {

// A window with a rich text box, as the report window holds one.
struct BoxWindow {
    QWidget window;
    QTextEdit *box = new QTextEdit(&window);

    BoxWindow()
    {
        (new QVBoxLayout(&window))->addWidget(box);
        window.resize(520, 360);
        window.show();
    }
};

// The middle of the character at `position`, in the box's viewport.
QPoint pointOf(QTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box->cursorRect(cursor);
    const int x = after.top() == before.top() ? (before.left() + after.left()) / 2 : before.left() + 2;
    return {x, before.center().y()};
}

void pressAt(QTextEdit *box, int position)
{
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOf(box, position));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, pointOf(box, position));
}

// The document's own format of the character at `position`.
QTextCharFormat formatAt(QTextEdit *box, int position)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

// Whether the character at `position` is shown as a link: underlined over
// its own format, as the box paints it.
bool shownAsLink(QTextEdit *box, int position)
{
    const QTextBlock block = box->document()->findBlock(position);
    const int offset = position - block.position();
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length && range.format.fontUnderline())
            return true;
    }
    return false;
}

// Every link shown in the box: block number, start in the block, length.
QList<std::tuple<int, int, int>> shownLinks(QTextEdit *box)
{
    QList<std::tuple<int, int, int>> links;
    for (QTextBlock block = box->document()->firstBlock(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.fontUnderline())
                links.append({block.blockNumber(), range.start, range.length});
        }
    }
    return links;
}

} // namespace

class LinkDetectionTest : public DesktopTest {
    Q_OBJECT

private slots:
    void cleanup()
    {
        modRTB::DisableLinkDetection();
        DesktopTest::cleanup();
    }

    void pressOpensWebAndMailAddressesOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pressed"); // a piece of the text; its middle character is pressed
        QTest::addColumn<QString>("opened");  // empty: nothing may open
        QTest::newRow("http") << "see http://example.com/page now" << "example" << "http://example.com/page";
        QTest::newRow("https with query") << "https://example.org/a?b=c" << "org/a" << "https://example.org/a?b=c";
        QTest::newRow("mail, sentence full stop") << "mail mailto:seer@example.com." << "seer"
                                                  << "mailto:seer@example.com";
        QTest::newRow("bare www opens as http") << "visit www.example.net today" << "www.ex"
                                                << "http://www.example.net";
        QTest::newRow("in parentheses") << "(www.example.net)" << "example" << "http://www.example.net";
        QTest::newRow("plain text") << "nothing but tea leaves" << "tea" << "";
        QTest::newRow("file") << "file:///etc/passwd" << "etc" << "";
        QTest::newRow("javascript") << "javascript:alert(1)" << "alert" << "";
        QTest::newRow("data") << "data:text/html,hello" << "html" << "";
        QTest::newRow("custom scheme") << "orrin://open/reading" << "open" << "";
        QTest::newRow("scheme alone") << "http:// is how it starts" << "http" << "";
        QTest::newRow("www and dots") << "www... and so on" << "ww" << "";
    }

    void pressOpensWebAndMailAddressesOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, pressed);
        QFETCH(QString, opened);
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        w.box->setPlainText(text);
        const int position = int(text.indexOf(pressed) + pressed.size() / 2);
        QCOMPARE(shownAsLink(w.box, position), !opened.isEmpty());

        pressAt(w.box, position);

        const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)};
        QCOMPARE(desktop.openedAddresses, expected);
        // The box took the press as an ordinary click: the insertion point is there.
        QVERIFY(qAbs(w.box->textCursor().position() - position) <= 1);
        QCOMPARE(w.box->toPlainText(), text);
    }

    void pressNextToAnAddressOpensNothing()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        w.box->setPlainText(QStringLiteral("go www.example.com\n\nbelow"));
        pressAt(w.box, 1);                                       // "go"
        pressAt(w.box, int(w.box->toPlainText().indexOf(u'b'))); // the next paragraph
        const QPoint pastTheEnd(w.box->viewport()->width() - 5, pointOf(w.box, 5).y());
        QTest::mousePress(w.box->viewport(), Qt::LeftButton, {}, pastTheEnd);
        QVERIFY(desktop.openedAddresses.isEmpty());
        pressAt(w.box, 6);
        QCOMPARE(desktop.openedAddresses.size(), 1);
    }

    void longAddressIsReadUpTo1024Characters()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        const QString address = QStringLiteral("http://example.com/") + QString(1981, u'a');
        QCOMPARE(address.size(), 2000);
        w.box->setPlainText(address);
        pressAt(w.box, 10);
        QCOMPARE(desktop.openedAddresses.size(), 1);
        QCOMPARE(desktop.openedAddresses.first().toString(), address.left(modRTB::LinkBufferLength));
    }

    // Detection underlines addresses; the text, each piece's colour, the undo
    // history and the modified state stay as they are.
    void linksFollowTheTextWithoutTouchingIt()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        QTextCursor cursor(w.box->document());
        QTextCharFormat red, green;
        red.setForeground(QColor(128, 0, 0));
        green.setForeground(QColor(0, 128, 0));
        cursor.insertText(QStringLiteral("go to http://exa"), red);
        cursor.insertText(QStringLiteral("mple.com today"), green);
        const QString text = QStringLiteral("go to http://example.com today");
        QCOMPARE(w.box->toPlainText(), text);

        const int start = int(text.indexOf(u'h'));
        const int end = int(text.indexOf(QLatin1String(" today")));
        for (int position = 0; position < text.size(); ++position) {
            QCOMPARE(shownAsLink(w.box, position), position >= start && position < end);
            QVERIFY(!formatAt(w.box, position).fontUnderline());
            QVERIFY(!formatAt(w.box, position).isAnchor());
        }
        QCOMPARE(formatAt(w.box, start).foreground().color(), QColor(128, 0, 0));
        QCOMPARE(formatAt(w.box, end - 1).foreground().color(), QColor(0, 128, 0));
        QCOMPARE(w.box->document()->availableUndoSteps(), 2); // the two insertions, nothing more

        // Breaking the address shortens the link; removing it leaves plain text.
        cursor.setPosition(start + 10); // after "http://exa"
        cursor.insertText(QStringLiteral(" "));
        QVERIFY(shownAsLink(w.box, start));
        QVERIFY(!shownAsLink(w.box, start + 11));
        cursor.setPosition(start);
        cursor.setPosition(start + 7, QTextCursor::KeepAnchor);
        cursor.removeSelectedText(); // "go to exa mple.com today"
        for (int position = 0; position < w.box->toPlainText().size(); ++position)
            QVERIFY(!shownAsLink(w.box, position));

        // An address split by a new paragraph: each half is judged on its own.
        w.box->setPlainText(QStringLiteral("www.example.com"));
        QVERIFY(shownAsLink(w.box, 0));
        cursor.setPosition(5);
        cursor.insertText(QStringLiteral("\n"));
        QVERIFY(shownAsLink(w.box, 0));  // "www.e"
        QVERIFY(!shownAsLink(w.box, 6)); // "xample.com"
        QVERIFY(desktop.openedAddresses.isEmpty());
    }

    // Format changes are not text changes: one typed key, one clipboard clear.
    void typingAnAddressClearsTheClipboardOncePerKey()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        ClipboardGuard::guard(w.box);
        modRTB::EnableLinkDetection(w.box, &w.window);
        desktop.clipboardClears = 0;
        QTest::keyClicks(w.box, QStringLiteral("www.example.com"));
        QCOMPARE(desktop.clipboardClears, 15);
        QVERIFY(shownAsLink(w.box, 3));
        // Undo takes back typing, not links: the text gets shorter with each step.
        const int steps = w.box->document()->availableUndoSteps();
        w.box->undo();
        QVERIFY(w.box->toPlainText().size() < 15);
        QCOMPARE(w.box->document()->availableUndoSteps(), steps - 1);
    }

    // An anchor that came in with pasted rich text is not ours to open.
    void pastedAnchorsAreNotOpened()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        w.box->setHtml(QStringLiteral("<p><a href=\"javascript:alert(1)\">click me</a> "
                                      "<a href=\"file:///etc/passwd\">or me</a></p>"));
        pressAt(w.box, 2);
        pressAt(w.box, 11);
        QVERIFY(desktop.openedAddresses.isEmpty());
    }

    void oneBoxAtATime()
    {
        ScriptedDesktop &desktop = scripted();
        BoxWindow first, second;
        first.box->setPlainText(QStringLiteral("www.first.example"));
        second.box->setPlainText(QStringLiteral("www.second.example"));

        modRTB::DisableLinkDetection(); // off already: nothing happens
        QCOMPARE(modRTB::LinkDetectionBox(), nullptr);

        modRTB::EnableLinkDetection(first.box, &first.window);
        QVERIFY(shownAsLink(first.box, 2)); // text already there is detected
        modRTB::EnableLinkDetection(first.box, &first.window); // again: still one installation
        pressAt(first.box, 6);
        QCOMPARE(desktop.openedAddresses.size(), 1);

        modRTB::EnableLinkDetection(second.box, &second.window);
        QCOMPARE(modRTB::LinkDetectionBox(), second.box);
        QVERIFY(!shownAsLink(first.box, 2));
        pressAt(first.box, 6);
        pressAt(second.box, 6);
        QCOMPARE(desktop.openedAddresses,
                 QList<QUrl>({QUrl("http://www.first.example"), QUrl("http://www.second.example")}));

        modRTB::DisableLinkDetection();
        QCOMPARE(modRTB::LinkDetectionBox(), nullptr);
        QCOMPARE(second.box->toPlainText(), QStringLiteral("www.second.example"));
        QVERIFY(!shownAsLink(second.box, 2));
        pressAt(second.box, 6);
        QCOMPARE(desktop.openedAddresses.size(), 2);
    }

    // Edits of every kind, anywhere: the links shown afterwards are always
    // those a look at the whole text finds. Fixed seeds, so a failure repeats.
    void linksFollowEveryEdit()
    {
        static const QStringList pieces = {
            QStringLiteral("www.example.com"), QStringLiteral("http://tea.example/cup?x=1"), QStringLiteral(" "),
            QStringLiteral("leaves"), QStringLiteral("\n"), QStringLiteral("mailto:seer@example.org"),
            QStringLiteral("("), QStringLiteral(")."), QStringLiteral("ww"), QStringLiteral("w."),
            QStringLiteral("http:"), QStringLiteral("//"), QStringLiteral("\""), QStringLiteral("x"),
        };
        BoxWindow w;
        modRTB::EnableLinkDetection(w.box, &w.window);
        QRandomGenerator generator(11);
        for (int edit = 0; edit < 600; ++edit) {
            QTextCursor cursor(w.box->document());
            const int size = w.box->document()->characterCount() - 1;
            cursor.setPosition(int(generator.bounded(size + 1)));
            if (generator.bounded(3) == 0 && size > 0) {
                cursor.setPosition(qMin(size, cursor.position() + int(generator.bounded(6)) + 1),
                                   QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
            } else {
                QString text;
                for (int n = int(generator.bounded(3)) + 1; n > 0; --n)
                    text += pieces[generator.bounded(int(pieces.size()))];
                cursor.insertText(text);
            }
            const auto afterEdit = shownLinks(w.box);
            modRTB::DisableLinkDetection();
            modRTB::EnableLinkDetection(w.box, &w.window); // looks at the whole text
            QVERIFY2(shownLinks(w.box) == afterEdit, qPrintable(QStringLiteral("edit %1").arg(edit)));
        }
        QVERIFY(!shownLinks(w.box).isEmpty());
    }

    void boxThatGoesTakesDetectionWithIt()
    {
        auto *w = new BoxWindow;
        modRTB::EnableLinkDetection(w->box, &w->window);
        delete w;
        QCOMPARE(modRTB::LinkDetectionBox(), nullptr);
        modRTB::DisableLinkDetection();
    }
};

ORRIN_TEST(LinkDetectionTest)
#include "LinkDetectionTest.moc"
