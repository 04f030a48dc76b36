#pragma once

#include <QtGlobal>

// State that more than one oracle uses. Launching an oracle closes all the
// others, so no two of them ever hold it at the same time.

// The fortune cookie's drawn number and the first draw of a tea leaf reading.
// Defined with the tea leaf reading.
extern qint16 FirstDraw;
