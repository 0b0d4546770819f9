#pragma once

class QColor;
class QLabel;

// The contrast ratio of two colours as the WCAG defines it: from 1 (the same
// luminance) to 21 (black on white). Text needs 4.5 to be readable (AA).
double contrastRatio(const QColor &first, const QColor &second);

// Sets up a static text of the window layouts, already placed in its window.
// Its text is plain, never markup, since translators supply it. It is black,
// as the layouts draw it, where the window's background is light enough for
// black to be readable; on a dark desktop theme it takes the theme's text
// colour instead. It follows the theme when the theme changes.
void makeLayoutText(QLabel *label);
