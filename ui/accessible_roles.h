#pragma once

// Tells screen readers what some of the game's own controls are, which the toolkit cannot know:
// the start-up window is a window, the start-sum arrows are a spin button whose value is the
// start sum, the tab control's row holds exactly its tabs, a picture of text reads as text, a
// menu command tells its shortcut, and a text field (the name field, the name prompt) reports
// its text whole. Safe to call more than once.
void installAccessibleRoles();
