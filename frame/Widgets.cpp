#include "Widgets.h"

#include "frame/Pause.h"
#include "frame/PictureCache.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QFile>
#include <QImage>
#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QPixmap>

QFont captionFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // Each letter fitted to the pixel grid once, as the captions were designed
    // to be seen, instead of at four fractional positions: crisper, and the
    // first paint draws a quarter of the glyphs.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void makeChoicesVisible(QWidget *root)
{
    const QColor window = root->palette().color(QPalette::Window);
    if (window.lightness() >= 128)
        return;
    for (QAbstractButton *choice : root->findChildren<QAbstractButton *>()) {
        if (!qobject_cast<QRadioButton *>(choice) && !qobject_cast<QCheckBox *>(choice))
            continue;
        QPalette marks = choice->palette();
        // The style draws the ring from the window colour, darkened, and fills the mark with base.
        marks.setColor(QPalette::Window, window.lighter(360));
        marks.setColor(QPalette::Base, window.lighter(170));
        choice->setPalette(marks);
    }
}

QString labelCaption(const char *designed)
{
    return QString::fromUtf8(designed).replace(QLatin1String("&&"), QLatin1String("&"));
}

ClickableLabel::ClickableLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMouseTracking(true);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Taken here, so that the panel beneath does not see the pointer move too.
    event->accept();
    emit mouseMoved();
}

namespace {

// The keys that press a focused button.
bool isClickKey(const QKeyEvent *event)
{
    if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Keyboard focus: a ring in the highlight colour, which stands out from the
// window in light and dark themes alike.
void drawFocusRing(QPainter &painter, const QWidget *widget)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(widget->rect()).adjusted(1, 1, -1, -1), 4, 4);
    painter.restore();
}

// What a screen reader is told about a picture: a button where it acts as
// one, else a graphic; its name is the box's accessible name.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(PictureBox *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override
    {
        return box()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isClickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && box()->isClickable())
            emit box()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
};

// A link label: named by its text unless it was given a name.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return link()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit link()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel *link() const { return static_cast<LinkLabel *>(widget()); }
};

QAccessibleInterface *accessibleWidget(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureBox"))
        return new AccessiblePicture(static_cast<PictureBox *>(object));
    if (className == QLatin1String("LinkLabel"))
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    return nullptr;
}

void installAccessibleWidgets()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleWidget);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : ClickableLabel(objectName, text, parent)
{
    installAccessibleWidgets();
    setCursor(Qt::PointingHandCursor);
    setForegroundRole(QPalette::Link);
    // Room for the focus ring round the text.
    setContentsMargins(3, 2, 3, 2);
    setAccessibleDescription(QStringLiteral("Opens a web page in your browser"));
}

void LinkLabel::joinTabChain(QWidget *root)
{
    // Tab reaches a link; a click does not take the focus from where the user types.
    for (LinkLabel *link : root->findChildren<LinkLabel *>())
        link->setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    ClickableLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        drawFocusRing(painter, this);
    }
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (isClickKey(event)) {
        event->accept();
        emit clicked();
        return;
    }
    ClickableLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent *event)
{
    ClickableLabel::focusInEvent(event);
    update();
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    ClickableLabel::focusOutEvent(event);
    update();
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ClickableLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    QFont plain = font();
    plain.setUnderline(false);
    setFont(plain);
    ClickableLabel::leaveEvent(event);
}

namespace {

QIcon *madeIcon = nullptr;

} // namespace

const QIcon &programIcon()
{
    if (!madeIcon) {
        madeIcon = new QIcon;
        // Rendered at build time as bare 32-bit premultiplied ARGB pixels.
        for (int size : {16, 32, 48, 64}) {
            QFile raw(QStringLiteral(":/appicon/icon-%1.argb").arg(size));
            if (!raw.open(QIODevice::ReadOnly))
                continue;
            const QByteArray pixels = raw.readAll();
            if (pixels.size() != size * size * 4)
                continue;
            const QImage image(reinterpret_cast<const uchar *>(pixels.constData()), size, size, size * 4,
                               QImage::Format_ARGB32_Premultiplied);
            madeIcon->addPixmap(QPixmap::fromImage(image.copy()));
        }
        // Given back while the application still stands, before the window system goes.
        qAddPostRoutine([] {
            delete madeIcon;
            madeIcon = nullptr;
        });
    }
    return *madeIcon;
}

PictureBox::PictureBox(const QString &objectName, const QString &picture, QWidget *parent)
    : QWidget(parent)
{
    installAccessibleWidgets();
    setObjectName(objectName);
    setMouseTracking(true);
    setPicture(picture);
}

void PictureBox::setPicture(const QString &picture)
{
    shown = picture;
    updateGeometry();
    update();
}

void PictureBox::setClickable(bool acts)
{
    clickable = acts;
    // Tab reaches it; a click does not take the focus from where the user types.
    setFocusPolicy(acts ? Qt::TabFocus : Qt::NoFocus);
    if (acts)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    update();
}

void PictureBox::setBorder(bool shown)
{
    if (border == shown)
        return;
    border = shown;
    update();
}

QSize PictureBox::sizeHint() const
{
    const QSize designed = shown.isEmpty() ? QSize() : pictureCache::designedSize(shown);
    return designed.isValid() ? designed : QSize(64, 64);
}

QRectF PictureBox::pictureArea() const
{
    return QRectF(rect()).adjusted(2, 2, -2, -2);
}

QSize PictureBox::picturePixels() const
{
    return (pictureArea().size() * devicePixelRatioF()).toSize();
}

void PictureBox::prepareDrawing(QWidget *root)
{
    QList<pictureCache::Request> requests;
    for (const PictureBox *box : root->findChildren<PictureBox *>())
        if (!box->isHidden() && !box->shown.isEmpty())
            requests.append({box->shown, box->picturePixels()});
    pictureCache::prepare(requests);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!shown.isEmpty()) {
        QImage image = pictureCache::drawn(shown, picturePixels());
        image.setDevicePixelRatio(devicePixelRatioF());
        painter.drawImage(pictureArea().topLeft(), image);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    if (border) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (clickable && hasFocus())
        drawFocusRing(painter, this);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::mouseMoveEvent(QMouseEvent *)
{
    emit mouseMoved();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (clickable && isClickKey(event)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

Dot::Dot(const QString &objectName, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setFixedSize(sizeHint());
}

void Dot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.drawEllipse(rect().adjusted(1, 1, -1, -1));
}

PleaseWaitPanel::PleaseWaitPanel(Dots dots, QWidget *parent)
    : QFrame(parent)
    , style(dots)
{
    setObjectName(QStringLiteral("picMessage"));
    setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(16, 8, 16, 8);
    auto *caption = new QLabel(QStringLiteral("Please Wait"), this);
    caption->setObjectName(QStringLiteral("pi"));
    caption->setFont(captionFont(11, true));
    row->addWidget(caption);
    row->addSpacing(8);
    for (int i = 0; i < 4; ++i) {
        dotShapes[i] = new Dot(QStringLiteral("shp%1").arg(i + 1), this);
        dotShapes[i]->setVisible(style == Dots::AlwaysShown);
        row->addWidget(dotShapes[i]);
    }
    row->addStretch();
    QSizePolicy keepPlace = sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    setSizePolicy(keepPlace);
    hide();
}

bool PleaseWaitPanel::wait(Form *waiter, int seconds)
{
    waiting = true;
    show();
    bool alive = true;
    if (style == Dots::OneEachSecond) {
        for (int second = 0; second < seconds && second < 4 && alive; ++second) {
            dotShapes[second]->show();
            alive = Pause(1, waiter);
        }
        if (alive && seconds > 4)
            alive = Pause(seconds - 4, waiter);
    } else {
        alive = Pause(seconds, waiter);
    }
    // An unloaded window is deleted only after its handler returns, so the
    // panel is still there to be told.
    waiting = false;
    return alive;
}

void PleaseWaitPanel::hideDots()
{
    for (Dot *dot : dotShapes)
        dot->hide();
}
