#pragma once

#include <Qt>

class QLabel;
class QWidget;

// A line of plain, wrapped text that a screen reader's user can select and read with the keys.
// `focus` says whether Tab stops on it (a label draws no focus mark, so nothing changes for the
// eye) or whether the page gives it the focus only when it has something to say.
QLabel *readableLine(QWidget *parent, const char *name, Qt::FocusPolicy focus);
