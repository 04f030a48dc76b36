#include "Widgets.h"

#include "frame/Pause.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

QFont captionFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
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

LinkLabel::LinkLabel(const QString &objectName, const QString &text, QWidget *parent)
    : ClickableLabel(objectName, text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setForegroundRole(QPalette::Link);
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

PictureBox::PictureBox(const QString &objectName, const QString &picture, QWidget *parent)
    : QWidget(parent)
    , renderer(new QSvgRenderer(QStringLiteral(":/pictures/") + picture, this))
{
    setObjectName(objectName);
    setMouseTracking(true);
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
    return renderer->isValid() ? renderer->defaultSize() : QSize(64, 64);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = renderer->defaultSize();
    size.scale(QSizeF(rect().size()) - QSizeF(4, 4), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    renderer->render(&painter, target);
    if (border) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
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
