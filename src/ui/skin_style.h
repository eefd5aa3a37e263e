#pragma once
// Looks of the skin: the program's style sheet and images below the skin folder.
//
// "style.qss" in the skin folder is the style sheet of the whole program; url(...) in it
// names images relative to the skin folder. The helpers below give single controls their
// own images and colours on top of it (they compose a per-control style sheet, so several
// of them can be used on one control).
#include <QColor>
#include <QString>

class QAbstractButton;
class QWidget;

// Loads style.qss from the skin folder into the application, with relative url(...)
// made absolute. Also registers the search path prefix "skin:" for the skin folder and
// the skin's fonts ("fonts/*.ttf").
// False (and no change) when the file is missing.
bool ApplySkinStyleSheet();
// The style sheet text with relative url(...) resolved against folder.
QString ResolveStyleSheetUrls(const QString& qss, const QString& folder);

// A background picture (relative to the skin folder, stretched over the control); empty
// removes it.
void SetBackgroundImage(QWidget* control, const QString& image);
// A background colour; an invalid colour removes it. ARGB as the program keeps colours.
void SetBackgroundColor(QWidget* control, const QColor& color);
QColor ArgbToColor(unsigned argb);
// Images of an option or button: normal, selected (checked) and disabled; an empty image
// leaves that state to the style sheet.
void SetButtonImages(QAbstractButton* button, const QString& normal, const QString& selected,
                     const QString& disabled = QString());
// A picture drawn over the button (its icon), empty removes it.
void SetForegroundImage(QAbstractButton* button, const QString& image);
// The raw per-control style part under a key (replaces an earlier part of the same key).
void SetStylePart(QWidget* control, const QString& key, const QString& declarations);
