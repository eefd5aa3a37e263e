#include "ui/control_names.h"

#include <climits>

NumberedName SplitNumberedName(const QString& name) {
    NumberedName out;
    const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
    if (cut < 0) return out;
    out.prefix = name.left(cut + 1);
    // Read the rest the way the program always has: blanks, a sign, then digits.
    const QString rest = name.mid(cut + 1);
    qsizetype i = 0;
    while (i < rest.size() && rest[i].isSpace()) ++i;
    bool negative = false;
    if (i < rest.size() && (rest[i] == QLatin1Char('+') || rest[i] == QLatin1Char('-'))) {
        negative = rest[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < rest.size() && rest[i] >= QLatin1Char('0') && rest[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (rest[i].unicode() - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    out.number = static_cast<int>(value);
    return out;
}

QString MakeNumberedName(const QString& prefix, int number) {
    return prefix + QString::number(number);
}

bool NameEquals(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool MatchNumberedName(const QString& name, const QString& prefix, int* number) {
    const NumberedName split = SplitNumberedName(name);
    if (split.prefix.isEmpty() || !NameEquals(split.prefix, prefix)) return false;
    if (number) *number = split.number;
    return true;
}
