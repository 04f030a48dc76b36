#include "frmCyclomancyMain.h"

#include "frame/Widgets.h"
#include "oracles/SavedReadingOpen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

using namespace modCyclomancy;

namespace {

OracleWindow::Design mainDesign()
{
    auto design = OracleWindow::Design::singleWindow(QStringLiteral("Orrin Cyclomancy"));
    design.widthTwips = 9900;
    return design;
}

// The wheel picture's own units: 200 across, the coloured sectors reach 86
// from the centre and the golden rim 97.
constexpr qreal PictureUnits = 200.0;
constexpr qreal SectorRadius = 86.0;
constexpr qreal HandLength = 80.0;
constexpr qreal HubRadius = 9.0;
constexpr int WheelPixels = 200;

// Degrees clockwise from the top of the middle of sector k, where hand k
// points and number k + 1 stands.
qreal sectorMiddle(int k) { return k * 36.0 + 18.0; }

QPointF onCircle(QPointF centre, qreal radius, qreal degreesClockwiseFromTop)
{
    const qreal radians = degreesClockwiseFromTop * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(radians), -radius * std::cos(radians));
}

// The wheel picture with its ten numbers standing around it.
class WheelFace : public QWidget {
public:
    WheelFace(PictureBox *wheel, QLabel *const (&numbers)[frmCyclomancyMain::HandCount], QWidget *parent)
        : QWidget(parent)
        , wheel(wheel)
    {
        std::copy(std::begin(numbers), std::end(numbers), labels);
        wheel->setParent(this);
        for (QLabel *label : labels)
            label->setParent(this);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const int side = WheelPixels + 2 * (Gap + labelExtent());
        return {side, side};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent *) override
    {
        const QPointF centre = QRectF(rect()).center();
        wheel->setGeometry(QRect(QPoint(0, 0), QSize(WheelPixels, WheelPixels))
                               .translated((centre - QPointF(WheelPixels, WheelPixels) / 2).toPoint()));
        const qreal radius = WheelPixels / 2.0 + Gap + labelExtent() / 2.0;
        for (int k = 0; k < frmCyclomancyMain::HandCount; ++k) {
            QLabel *label = labels[k];
            const QSize size = label->sizeHint();
            label->resize(size);
            const QPointF middle = onCircle(centre, radius, sectorMiddle(k));
            label->move((middle - QPointF(size.width(), size.height()) / 2).toPoint());
        }
    }

private:
    // Room a number takes across, whichever way it stands from the wheel.
    int labelExtent() const
    {
        int extent = 0;
        for (const QLabel *label : labels)
            extent = std::max({extent, label->sizeHint().width(), label->sizeHint().height()});
        return extent;
    }

    static constexpr int Gap = 2;
    PictureBox *wheel;
    QLabel *labels[frmCyclomancyMain::HandCount];
};

// Shows its text with a long run of blanks taken as a line break, the way the
// welcome text is meant to read (its run of blanks pushes the second part
// onto a new line); text() keeps the text as it was set. It keeps room for
// the longest of the texts it is told about, so that the window does not
// jump from one reading to the next.
class InterpretationLabel : public QLabel {
public:
    InterpretationLabel(const QStringList &reservedTexts, QWidget *parent)
        : QLabel(parent)
        , reserved(reservedTexts)
    {
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    // What the label shows for `text`.
    static QString shown(const QString &text)
    {
        static const QRegularExpression longRun(QStringLiteral(" {8,}"));
        return QString(text).replace(longRun, QStringLiteral("\n"));
    }

    int heightForWidth(int width) const override
    {
        const QMargins margins = contentsMargins() + QMargins(margin(), margin(), margin(), margin());
        const int textWidth = std::max(1, width - margins.left() - margins.right());
        int height = textHeight(text(), textWidth);
        for (const QString &other : reserved)
            height = std::max(height, textHeight(other, textWidth));
        return height + margins.top() + margins.bottom();
    }

    QSize sizeHint() const override
    {
        const int width = fontMetrics().averageCharWidth() * 44;
        return {width, heightForWidth(width)};
    }

    QSize minimumSizeHint() const override
    {
        return {fontMetrics().averageCharWidth() * 24, fontMetrics().lineSpacing()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        style()->drawItemText(&painter, area, static_cast<int>(alignment()) | Qt::TextWordWrap, palette(),
                              isEnabled(), shown(text()), foregroundRole());
    }

private:
    int textHeight(const QString &text, int width) const
    {
        return fontMetrics()
            .boundingRect(QRect(0, 0, width, 100000), static_cast<int>(alignment()) | Qt::TextWordWrap, shown(text))
            .height();
    }

    QStringList reserved;
};

} // namespace

CyclomancyHand::CyclomancyHand(int handIndex, PictureBox *wheel)
    : QWidget(wheel)
    , index(handIndex)
{
    setObjectName(QStringLiteral("Line1(%1)").arg(handIndex));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(wheel->rect());
    setAccessibleName(QStringLiteral("Hand pointing at %1").arg(handIndex + 1));
}

qreal CyclomancyHand::angleDegrees() const
{
    return sectorMiddle(index);
}

QPointF CyclomancyHand::centre() const
{
    return QRectF(rect()).center();
}

QPointF CyclomancyHand::tip() const
{
    // The picture is drawn scaled to fit, 2 pixels in from each side.
    const qreal scale = (std::min(width(), height()) - 4) / PictureUnits;
    return onCircle(centre(), HandLength * scale, angleDegrees());
}

void CyclomancyHand::paintEvent(QPaintEvent *)
{
    const qreal scale = (std::min(width(), height()) - 4) / PictureUnits;
    const QPointF from = centre();
    const QPointF to = tip();
    const QPointF along = (to - from) / QLineF(from, to).length();
    const QPointF across(-along.y(), along.x());
    const qreal halfWidth = 6.0 * scale;

    // A tapered needle with a short tail, over a golden hub.
    const QPolygonF needle({from + across * halfWidth - along * 14.0 * scale, to,
                            from - across * halfWidth - along * 14.0 * scale});
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x2b, 0x1a, 0x0c), 2.0 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(QColor(0xff, 0xf3, 0xcf));
    painter.drawPolygon(needle);
    painter.setBrush(QColor(0xd4, 0xa4, 0x3a));
    painter.drawEllipse(from, HubRadius * scale * 0.8, HubRadius * scale * 0.8);
}

frmCyclomancyMain::frmCyclomancyMain()
    : OracleWindow(mainDesign())
{
    QWidget *wheel = buildWheel();

    lblNo = new QLabel(QStringLiteral("10"), this);
    lblNo->setObjectName(QStringLiteral("lblNo"));
    lblNo->setFont(captionFont(40, true));
    lblNo->setAlignment(Qt::AlignCenter);
    lblNo->setTextFormat(Qt::PlainText);
    lblNo->setForegroundRole(QPalette::Highlight);
    // Room for "10" even while the label is empty, so nothing moves on the first spin.
    lblNo->setMinimumSize(lblNo->sizeHint());

    QStringList interpretations;
    for (int k = 0; k < HandCount; ++k)
        interpretations.append(Interpretation(k));
    lblInterpretation = new InterpretationLabel(interpretations, this);
    lblInterpretation->setObjectName(QStringLiteral("lblInterpretation"));
    lblInterpretation->setFont(captionFont(10));
    lblInterpretation->setText(QString::fromUtf8(WelcomeText));

    cmdNext = new QPushButton(QStringLiteral("&Find Cyclomancy"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setFont(captionFont(10, true));
    connect(cmdNext, &QPushButton::clicked, this, &frmCyclomancyMain::cmdNext_Click);

    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), this);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    connect(cmdOpen, &QPushButton::clicked, this, &frmCyclomancyMain::cmdOpen_Click);

    auto *reading = new QVBoxLayout;
    reading->setSpacing(10);
    reading->addWidget(lblNo);
    reading->addWidget(lblInterpretation, 1);
    reading->addWidget(cmdNext, 0, Qt::AlignHCenter);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(wheel, 0, Qt::AlignTop);
    top->addLayout(reading, 1);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(16);
    bottom->addWidget(buildBirthday());
    bottom->addWidget(cmdOpen, 0, Qt::AlignBottom);
    bottom->addStretch(1);
    // The birthday stands left of the Open button: Tab reaches it first.
    setTabOrder(cboYear, cmdOpen);

    content()->addLayout(top);
    content()->addLayout(bottom);

    // Form_Load: no hand shown and no number; the welcome text stays.
    for (CyclomancyHand *hand : Line1)
        hand->hide();
    lblNo->setText(QString());
    cmdNext->setFocus();
    CentreOracleWindow();
}

QWidget *frmCyclomancyMain::buildWheel()
{
    Picture1 = new PictureBox(QStringLiteral("Picture1"), QStringLiteral("cyclomancy_wheel.svg"), this);
    Picture1->setFixedSize(WheelPixels, WheelPixels);
    Picture1->setAccessibleName(QStringLiteral("Wheel of the numbers 1 to 10"));
    for (int k = 0; k < HandCount; ++k)
        Line1[k] = new CyclomancyHand(k, Picture1);

    for (int k = 0; k < HandCount; ++k) {
        auto *number = new QLabel(QString::number(k + 1), this);
        number->setObjectName(QStringLiteral("lblLabel(%1)").arg(k));
        number->setFont(captionFont(11, true));
        number->setAlignment(Qt::AlignCenter);
        number->setTextFormat(Qt::PlainText);
        lblLabel[k] = number;
    }
    return new WheelFace(Picture1, lblLabel, this);
}

QGroupBox *frmCyclomancyMain::buildBirthday()
{
    // The lists stay empty here: only a saved reading puts anything in them.
    const BirthdayPanel birthday = NewBirthdayPanel(this);
    fraBirthDay = birthday.fraBirthDay;
    cboDate = birthday.cboDate;
    cboMonth = birthday.cboMonth;
    cboYear = birthday.cboYear;
    Label3 = birthday.Label3;
    Label6 = birthday.Label6;
    Label7 = birthday.Label7;
    return fraBirthDay;
}

void frmCyclomancyMain::cmdNext_Click()
{
    // The interpretations are the module's fixed table; only the hand is drawn.
    const int k = DrawCyclomancyIndex();
    for (int i = 0; i < HandCount; ++i) {
        if (i == k) {
            Line1[i]->show();
            lblNo->setText(QString::number(k + 1));
            lblInterpretation->setText(Interpretation(k));
        } else {
            Line1[i]->hide();
        }
    }
}

void frmCyclomancyMain::cmdOpen_Click()
{
    OpenSavedReading(this, {cboMonth, cboDate, cboYear}, [this] { cmdNext_Click(); });
}
