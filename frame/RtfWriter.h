#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Writes rich text as an RTF document that word processors read: one font
// (Verdana), a colour table of the colours the text uses, bold, italic, font
// sizes, and paragraphs, for every script (right-to-left text included).
// Text is written in plain ASCII: braces and backslashes are escaped, every
// other character is a \uN escape followed by a \'3f fallback; a lone
// surrogate half is written as U+FFFD.
namespace RtfWriter {

QByteArray fromDocument(const QTextDocument &document);

// `text` as RTF text, escaped as above (tab and line separator included).
QByteArray escaped(QStringView text);

} // namespace RtfWriter
