#pragma once
// Name rules of the program's controls. Numbered controls are named prefix + decimal
// number ("DPI_slider_" 2 -> "DPI_slider_2"); a notified name is split at its last "_":
// the prefix is the text up to and including that "_", the number the rest read as a
// decimal integer (leading blanks, an optional sign, then digits; no digits give 0;
// values beyond the int range are clamped). A name without "_" has no prefix.
#include <QString>

struct NumberedName {
    QString prefix;  // empty when the name has no "_"
    int number = 0;
};

NumberedName SplitNumberedName(const QString& name);
QString MakeNumberedName(const QString& prefix, int number);
// Names compared without regard to case.
bool NameEquals(const QString& a, const QString& b);
// True when name splits into a prefix equal to prefix (without regard to case); the
// number goes to *number.
bool MatchNumberedName(const QString& name, const QString& prefix, int* number);
