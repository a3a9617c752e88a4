#pragma once

#include "ui/picture.h"

#include <QString>
#include <QStringList>

// The texts of the four help-topic pictures, the one place they are written down.
// Line by line: an empty line is a blank line, a tab starts a second column.
// Empty for a picture that is not a help topic.
QStringList helpTopicLines(Picture::Kind kind);
// "How to play", "Stats", "Keyboard" or "The author"; empty for other pictures.
QString helpTopicTitle(Picture::Kind kind);
