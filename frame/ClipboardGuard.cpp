#include "ClipboardGuard.h"

#include "platform/Desktop.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

ClipboardGuard *ClipboardGuard::guard(QWidget *box)
{
    if (!box)
        return nullptr;
    if (auto *existing = box->findChild<ClipboardGuard *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new ClipboardGuard(box);
}

ClipboardGuard::ClipboardGuard(QWidget *box)
    : QObject(box)
{
    // Movements without a button held reach the box only with tracking on.
    box->setMouseTracking(true);
    box->installEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(box)) {
        area->viewport()->setMouseTracking(true);
        area->viewport()->installEventFilter(this);
    }

    if (auto *edit = qobject_cast<QTextEdit *>(box))
        connect(edit, &QTextEdit::textChanged, this, &ClipboardGuard::clearClipboard);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(box))
        connect(plain, &QPlainTextEdit::textChanged, this, &ClipboardGuard::clearClipboard);
    else if (auto *line = qobject_cast<QLineEdit *>(box))
        connect(line, &QLineEdit::textChanged, this, &ClipboardGuard::clearClipboard);
}

bool ClipboardGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: // a click ends here
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        clearClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ClipboardGuard::clearClipboard()
{
    // The desktop reports nothing back: a clipboard that another program
    // holds simply stays as it is.
    platform::desktop().clearClipboard();
}
