#include "modRTB.h"

#include "platform/Desktop.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>

namespace modRTB {
namespace {

// Marks a detected address, so that our links are told apart from anchors
// that came in with pasted rich text.
const int LinkMark = QTextFormat::UserProperty + 0x52;

// Web and mail addresses, and the bare "www." form. The address must not
// continue a word or another address.
const QRegularExpression &addressPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"((?<![\w@.\-/:])(?:https?://|mailto:|www\.)[^\s<>"]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

// Punctuation that ends a sentence rather than the address.
int trimmedLength(const QString &text, int start, int length)
{
    static const QString closing = QStringLiteral(".,;:!?'\")]}");
    while (length > 0) {
        const QChar last = text.at(start + length - 1);
        if (!closing.contains(last))
            break;
        if (last == u')') {
            const QStringView address = QStringView(text).mid(start, length);
            if (address.count(u'(') >= address.count(u')'))
                break; // the address's own parentheses
        }
        --length;
    }
    return length;
}

// An opening alone ("http://", "www.") is not an address yet.
bool hasBody(const QString &address)
{
    for (const QLatin1String opening : {QLatin1String("http://"), QLatin1String("https://"),
                                        QLatin1String("mailto:"), QLatin1String("www.")}) {
        if (address.startsWith(opening, Qt::CaseInsensitive))
            return address.size() > opening.size();
    }
    return false;
}

struct LinkRange {
    int start = 0; // in its block; in the document where a link is handed on
    int length = 0;
    QString href;
    bool operator==(const LinkRange &) const = default;
};

QString hrefFor(const QString &address)
{
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QStringLiteral("http://") + address;
    return address;
}

// Hands a pressed address to the desktop: only web pages and mail addresses.
void openAddress(const QString &address)
{
    const QUrl url(hrefFor(address), QUrl::TolerantMode);
    if (!url.isValid())
        return;
    const QString scheme = url.scheme().toLower();
    const bool web = (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
    const bool mail = scheme == u"mailto" && !url.path().isEmpty();
    if (web || mail)
        platform::desktop().openUrl(url);
}

// The links of a block: underlines laid over its text by the block's layout.
// They are a way of showing the text, not part of it, so the document - its
// text, colours, undo history and modified state - never changes, and
// nobody watching the text hears of them.
class LinkDetector : public QObject {
public:
    LinkDetector(QTextEdit *textBox, QWidget *parent)
        : QObject(parent)
        , box(textBox)
    {
        QTextDocument *document = textBox->document();
        connect(document, &QTextDocument::contentsChange, this, &LinkDetector::textChanged);
        // A box that goes takes its detection with it.
        connect(textBox, &QObject::destroyed, this, [this] {
            box = nullptr;
            deleteLater();
        });
        textBox->viewport()->installEventFilter(this);
        textBox->viewport()->setMouseTracking(true);
        blockCount = document->blockCount();
        showLinks(document->firstBlock(), document->lastBlock(), /*detect=*/true);
    }

    ~LinkDetector() override { release(); }

    QTextEdit *detectedBox() const { return box; }

    // Back to the text as it is, without links.
    void release()
    {
        if (!box)
            return;
        QTextDocument *document = box->document();
        disconnect(document, nullptr, this, nullptr);
        box->viewport()->removeEventFilter(this);
        box->viewport()->setCursor(Qt::IBeamCursor);
        showLinks(document->firstBlock(), document->lastBlock(), /*detect=*/false);
        box = nullptr;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (box && watched == box->viewport()) {
            if (event->type() == QEvent::MouseButtonPress) {
                auto *mouse = static_cast<QMouseEvent *>(event);
                if (mouse->button() == Qt::LeftButton) {
                    const LinkRange link = linkAt(mouse->position());
                    if (link.length > 0)
                        openAddress(linkText(link));
                }
            } else if (event->type() == QEvent::MouseMove) {
                const bool overLink = linkAt(static_cast<QMouseEvent *>(event)->position()).length > 0;
                box->viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
            }
        }
        // The box sees the press as an ordinary click all the same.
        return QObject::eventFilter(watched, event);
    }

private:
    // A change inside one paragraph is looked at around the change only: an
    // address never reaches over a blank, so only the words the change
    // touched can gain or lose a link, and the links after them move with
    // the text. A change that makes or joins paragraphs has every paragraph
    // it touched looked at whole, the two halves of a split one included.
    void textChanged(int position, int removed, int added)
    {
        if (!box)
            return;
        QTextDocument *document = box->document();
        const int blocks = document->blockCount();
        const bool sameParagraphs = blocks == blockCount;
        blockCount = blocks;
        QTextBlock first = document->findBlock(position);
        QTextBlock last = document->findBlock(position + added);
        if (!first.isValid())
            first = document->lastBlock();
        if (!last.isValid())
            last = document->lastBlock();
        if (sameParagraphs && first == last && first.layout())
            showLinksAround(first, position - first.position(), removed, added);
        else
            showLinks(first, last, /*detect=*/true);
    }

    static bool endsAWord(QChar ch)
    {
        return ch.isSpace() || ch == u'<' || ch == u'>' || ch == u'"';
    }

    // The links of the block after `removed` characters at `offset` were
    // replaced by `added` ones; the links it shows are those of its text
    // before the change.
    void showLinksAround(const QTextBlock &block, int offset, int removed, int added)
    {
        const QString text = block.text();
        int from = qBound(0, offset, int(text.size()));
        while (from > 0 && !endsAWord(text.at(from - 1)))
            --from;
        int to = qBound(from, offset + added, int(text.size()));
        while (to < text.size() && !endsAWord(text.at(to)))
            ++to;
        const int shift = added - removed;

        const QList<QTextLayout::FormatRange> before = block.layout()->formats();
        QList<LinkRange> links;
        for (const QTextLayout::FormatRange &range : before) {
            if (range.format.hasProperty(LinkMark) && range.start < from)
                links.append({range.start, range.length, range.format.anchorHref()});
        }
        links += linksIn(text, from, to);
        for (const QTextLayout::FormatRange &range : before) {
            if (range.format.hasProperty(LinkMark) && range.start >= to - shift)
                links.append({range.start + shift, range.length, range.format.anchorHref()});
        }
        setLinks(block, links, before);
    }

    // The links shown over the block now, at their places in the block.
    static QList<LinkRange> currentLinks(const QTextBlock &block)
    {
        QList<LinkRange> links;
        if (!block.layout())
            return links;
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.hasProperty(LinkMark))
                links.append({range.start, range.length, range.format.anchorHref()});
        }
        return links;
    }

    // The links that the characters `from` to `to` of a block's text call
    // for, at their places in the block; `from` starts a word.
    static QList<LinkRange> linksIn(const QString &text, int from, int to)
    {
        QList<LinkRange> links;
        const QStringView part = QStringView(text).mid(from, to - from);
        auto matches = addressPattern().globalMatch(part);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const int start = from + int(match.capturedStart());
            const int length = trimmedLength(text, start, int(match.capturedLength()));
            const QString address = text.mid(start, length);
            if (hasBody(address))
                links.append({start, length, hrefFor(address)});
        }
        return links;
    }

    // Shows `links` over the block, if they are not what it shows already.
    void setLinks(const QTextBlock &block, const QList<LinkRange> &links,
                  const QList<QTextLayout::FormatRange> &shown)
    {
        QList<QTextLayout::FormatRange> ranges;
        for (const LinkRange &link : links) {
            QTextLayout::FormatRange range;
            range.start = link.start;
            range.length = link.length;
            range.format.setFontUnderline(true);
            range.format.setAnchor(true);
            range.format.setAnchorHref(link.href);
            range.format.setProperty(LinkMark, true);
            ranges.append(range);
        }
        if (ranges == shown)
            return;
        block.layout()->setFormats(ranges);
        box->document()->markContentsDirty(block.position(), block.length());
    }

    // Brings the links over the blocks from `first` to `last` in line with
    // their text, or takes them all away.
    void showLinks(const QTextBlock &first, const QTextBlock &last, bool detect)
    {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            if (block.layout()) {
                const QString text = block.text();
                setLinks(block, detect ? linksIn(text, 0, int(text.size())) : QList<LinkRange>(),
                         block.layout()->formats());
            }
            if (block == last)
                break;
        }
    }

    // The link under the viewport point `point`, if the point is on one of its characters.
    LinkRange linkAt(const QPointF &point) const
    {
        QTextDocument *document = box->document();
        const QScrollBar *horizontal = box->horizontalScrollBar();
        const int offsetX = box->isRightToLeft() ? horizontal->maximum() - horizontal->value() : horizontal->value();
        const QPointF inDocument = point + QPointF(offsetX, box->verticalScrollBar()->value());
        const int position = document->documentLayout()->hitTest(inDocument, Qt::ExactHit);
        if (position < 0)
            return {};
        const QTextBlock block = document->findBlock(position);
        for (LinkRange link : currentLinks(block)) {
            link.start += block.position();
            if (position >= link.start && position < link.start + link.length)
                return link;
        }
        return {};
    }

    // The address as the text shows it, at most LinkBufferLength characters.
    QString linkText(const LinkRange &link) const
    {
        const QTextBlock block = box->document()->findBlock(link.start);
        return block.text().mid(link.start - block.position(), qMin(link.length, LinkBufferLength));
    }

    QPointer<QTextEdit> box;
    int blockCount = 0;
};

QPointer<LinkDetector> installed;

} // namespace

void EnableLinkDetection(QTextEdit *box, QWidget *parent)
{
    if (!box)
        return;
    DisableLinkDetection();
    installed = new LinkDetector(box, parent);
}

void DisableLinkDetection()
{
    if (!installed)
        return;
    LinkDetector *detector = installed;
    installed = nullptr;
    detector->release();
    delete detector;
}

QTextEdit *LinkDetectionBox()
{
    return installed ? installed->detectedBox() : nullptr;
}

} // namespace modRTB
