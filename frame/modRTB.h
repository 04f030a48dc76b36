#pragma once

class QTextEdit;
class QWidget;

// Clickable web addresses in a rich text box. While detection is on, the
// addresses in the box's text are found as the text changes and underlined
// (their colours and the text itself stay as they are); pressing the left
// mouse button on one hands it to the desktop to open. Only web and mail
// addresses are ever opened.
namespace modRTB {

// The most characters of an address that are read when its link is pressed.
inline constexpr int LinkBufferLength = 1024;

// Switches detection on for `box`, whose notifications `parent` (the window
// holding the box) receives. One box at a time: detection that is still on
// elsewhere is switched off first.
void EnableLinkDetection(QTextEdit *box, QWidget *parent);

// Switches detection off and takes the links out of the text again.
// Does nothing when detection is off.
void DisableLinkDetection();

// The box detection is on for, or nullptr when it is off.
QTextEdit *LinkDetectionBox();

} // namespace modRTB
