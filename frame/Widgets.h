#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

class QIcon;

// Verdana, or DejaVu Sans where Verdana is missing: never the default font.
QFont captionFont(qreal pointSize = 9.0, bool bold = false);

// In a dark palette the round and square marks of option buttons and check
// boxes nearly vanish into the window; this gives them a lighter ring and
// well inside every such button below `root`. A light palette is left alone.
void makeChoicesVisible(QWidget *root);

// A label caption as designed: "&&" shows as one "&".
QString labelCaption(const char *designed);

// A label that reacts to clicks; used for the link labels and the launcher captions.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString &objectName, const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// A link to one of the maker's pages: pointing hand, link colour, underlined on hover.
// It is in the Tab chain with a focus ring, Space and Enter open it as a click
// does, and a screen reader hears its text as a link that opens a web page.
class LinkLabel : public ClickableLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &objectName, const QString &text, QWidget *parent = nullptr);

    // Puts every link below `root` in the Tab chain. Called once the window
    // is shown: a window that is shown with focusable labels in it takes
    // half as long again to come up.
    static void joinTabChain(QWidget *root);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// The program's icon, made once and shared by every window: each icon made
// anew would fill the pixmap cache anew.
const QIcon &programIcon();

// A picture box showing one of the program's SVG pictures, scaled to fit and
// kept in proportion. It can show a flat single-line border. Give it an
// accessible name: a screen reader says what the picture shows.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(const QString &objectName, const QString &picture = QString(), QWidget *parent = nullptr);

    // The picture file shown, e.g. "teapot.svg"; empty shows nothing.
    void setPicture(const QString &picture);
    QString picture() const { return shown; }

    // A picture that acts as a button: pointing hand, in the Tab chain with a
    // focus ring, Space and Enter click it, and a screen reader hears a button.
    void setClickable(bool clickable);
    bool isClickable() const { return clickable; }

    void setBorder(bool shown);
    bool hasBorder() const { return border; }
    QSize sizeHint() const override;

    // Starts drawing the pictures of the boxes below `root` that are not
    // hidden, at the size they have now, for the window's first paint.
    static void prepareDrawing(QWidget *root);

    // The size, in device pixels, the picture is drawn at.
    QSize picturePixels() const;

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // Where the picture goes, inside a margin of two pixels.
    QRectF pictureArea() const;

    QString shown;
    bool clickable = false;
    bool border = false;
};

// A small filled circle, like a shape control.
class Dot : public QWidget {
    Q_OBJECT
public:
    Dot(const QString &objectName, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

class Form;

// The "Please Wait" panel `picMessage`: the label `pi` and the dots shp1..shp4.
// It keeps its place in the layout while hidden, so the window does not jump.
class PleaseWaitPanel : public QFrame {
    Q_OBJECT
public:
    // OneEachSecond: the dots are hidden at first and one more shows at each
    // second of a wait. AlwaysShown: the four dots stand still in the panel.
    enum class Dots { OneEachSecond, AlwaysShown };

    explicit PleaseWaitPanel(Dots dots, QWidget *parent = nullptr);

    Dot *dot(int number) const { return dotShapes[number - 1]; } // 1..4
    void hideDots();

    // Shows the panel and waits `seconds` on behalf of `waiter` (see Pause).
    // Returns false when the waiter was unloaded meanwhile: the caller then
    // returns at once. The panel stays shown; hiding it is the caller's step.
    bool wait(Form *waiter, int seconds);
    // True while a wait runs: a second click on what started it is ignored.
    bool isWaiting() const { return waiting; }

private:
    Dot *dotShapes[4];
    Dots style;
    bool waiting = false;
};
