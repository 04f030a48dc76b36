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
    int start = 0; // in the document
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
    // Every block the change touched, the two halves of a split block included.
    void textChanged(int position, int /*removed*/, int added)
    {
        if (!box)
            return;
        QTextDocument *document = box->document();
        QTextBlock first = document->findBlock(position);
        QTextBlock last = document->findBlock(position + added);
        if (!first.isValid())
            first = document->lastBlock();
        if (!last.isValid())
            last = document->lastBlock();
        showLinks(first, last, /*detect=*/true);
    }

    // The links shown over the block now.
    static QList<LinkRange> currentLinks(const QTextBlock &block)
    {
        QList<LinkRange> links;
        if (!block.layout())
            return links;
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.hasProperty(LinkMark))
                links.append({block.position() + range.start, range.length, range.format.anchorHref()});
        }
        return links;
    }

    // The links the block's text calls for.
    static QList<LinkRange> wantedLinks(const QTextBlock &block)
    {
        QList<LinkRange> links;
        const QString text = block.text();
        auto matches = addressPattern().globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const int start = int(match.capturedStart());
            const int length = trimmedLength(text, start, int(match.capturedLength()));
            const QString address = text.mid(start, length);
            if (hasBody(address))
                links.append({block.position() + start, length, hrefFor(address)});
        }
        return links;
    }

    // Brings the links over the blocks from `first` to `last` in line with
    // their text, or takes them all away.
    void showLinks(const QTextBlock &first, const QTextBlock &last, bool detect)
    {
        QTextDocument *document = box->document();
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            const QList<LinkRange> wanted = detect ? wantedLinks(block) : QList<LinkRange>();
            if (block.layout() && currentLinks(block) != wanted) {
                QList<QTextLayout::FormatRange> ranges;
                for (const LinkRange &link : wanted) {
                    QTextLayout::FormatRange range;
                    range.start = link.start - block.position();
                    range.length = link.length;
                    range.format.setFontUnderline(true);
                    range.format.setAnchor(true);
                    range.format.setAnchorHref(link.href);
                    range.format.setProperty(LinkMark, true);
                    ranges.append(range);
                }
                block.layout()->setFormats(ranges);
                document->markContentsDirty(block.position(), block.length());
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
        for (const LinkRange &link : currentLinks(document->findBlock(position))) {
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
