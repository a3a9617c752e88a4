#pragma once

// Tells screen readers what two of the game's own controls are, which the toolkit cannot know:
// the start-up window is a window, and the start-sum arrows are a spin button whose value is
// the start sum. Safe to call more than once.
void installAccessibleRoles();
