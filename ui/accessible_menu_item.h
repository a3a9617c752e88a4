#pragma once

class QAccessibleInterface;
class QAction;

// A menu command with a shortcut as a screen reader sees it: its key binding names the access
// key and the shortcut in the form readers parse ("n;;F2"), so the shortcut is spoken with the
// command. Qt's own gives the shortcut alone, which readers take for the access key and keep
// silent. Null for an action that is no menu command with a shortcut.
QAccessibleInterface *accessibleMenuCommand(QAction *action);
