#pragma once
// Qt's SVG writer opens a group with the whole painter state at every state
// change and every restore, most of them empty or repeating the state before
// them: a label of many primitives makes a file several times larger than
// its drawing needs. This drops the empty groups and joins neighbours of the
// same state, which draws exactly the same.
#include <QByteArray>

QByteArray CompactSvgGroups(const QByteArray& svg);
