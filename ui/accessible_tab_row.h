#pragma once

class QAccessibleInterface;
class QTabBar;

// The row of tab captions as a screen reader sees it: one page tab a caption, and nothing else.
// Qt's own counts its two scroll buttons among the tabs, even where they never show, so a
// reader would say "Stats, 2 of 8" for six tabs.
QAccessibleInterface *accessibleTabRow(QTabBar *row);
