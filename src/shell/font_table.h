#pragma once
// The program's font table: fonts by number, rebuilt when the language is applied.
// Controls that draw their own text (QPainter) take their fonts from here; the rest of
// the program is styled by the skin's style sheet.
//
//   id  pixel size  style        id  pixel size  style
//   0   15          normal (the  6   22          normal
//                   default)     7   14          normal
//   1   14          underlined   8   12          normal
//   2   18          normal       9   11          normal
//   3   30          normal       10  10          normal
//   4   16          normal       11  28          normal
//   5   20          normal       50  18          bold
// All share the face "Verdana Unicode MS", with the skin's fonts behind it for the
// characters (and systems) it lacks.
#include <QFont>
#include <QMap>
#include <span>

struct FontSpec {
    int id;
    int pixelSize;
    bool bold;
    bool underline;
};

std::span<const FontSpec> ProgramFontSpecs();

// Whether applying language index newIndex while currentIndex is applied rebuilds the
// font table: when the new index is 15, 0 or 2, or the current one is 15, -1, 2 or 0.
bool ShouldRebuildFonts(int newIndex, int currentIndex);

class CFontTable {
public:
    static CFontTable& Instance();

    void RemoveAll();
    void AddFont(int id, const QFont& font);
    void SetDefaultFont(int id) { defaultId_ = id; }
    // The font of id; the default font when id is unknown; QFont() when the table is empty.
    QFont Font(int id) const;
    QFont DefaultFont() const { return Font(defaultId_); }
    int Count() const { return static_cast<int>(fonts_.size()); }
    // How many times the table was rebuilt (RebuildProgramFonts).
    int Rebuilds() const { return rebuilds_; }

    // Removes every font and adds the program's table; font 0 becomes the default.
    void RebuildProgramFonts();

private:
    CFontTable() = default;
    QMap<int, QFont> fonts_;
    int defaultId_ = 0;
    int rebuilds_ = 0;
};
