#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// The coach's pages as a screen reader should meet them: the stack that holds them is only
// layout (a screen reader would say "layered pane" before each page), and each page marked
// by CoachWindow::markAsPage is a named panel, read as the focus enters it. Null for any other
// object.
QAccessibleInterface *accessibleCoachPart(const QString &className, QObject *object);
