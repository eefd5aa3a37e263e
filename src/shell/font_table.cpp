#include "shell/font_table.h"

#include <QStringList>
#include <array>

namespace {

constexpr std::array<FontSpec, 13> kFonts{{
    {0, 15, false, false},
    {1, 14, false, true},
    {2, 18, false, false},
    {3, 30, false, false},
    {4, 16, false, false},
    {5, 20, false, false},
    {6, 22, false, false},
    {7, 14, false, false},
    {8, 12, false, false},
    {9, 11, false, false},
    {10, 10, false, false},
    {11, 28, false, false},
    {50, 18, true, false},
}};

}  // namespace

std::span<const FontSpec> ProgramFontSpecs() {
    return kFonts;
}

bool ShouldRebuildFonts(int newIndex, int currentIndex) {
    const bool newMatches = newIndex == 15 || newIndex == 0 || newIndex == 2;
    const bool currentMatches =
        currentIndex == 15 || currentIndex == -1 || currentIndex == 2 || currentIndex == 0;
    return newMatches || currentMatches;
}

CFontTable& CFontTable::Instance() {
    static CFontTable table;
    return table;
}

void CFontTable::RemoveAll() {
    fonts_.clear();
}

void CFontTable::AddFont(int id, const QFont& font) {
    fonts_.insert(id, font);
}

QFont CFontTable::Font(int id) const {
    const auto it = fonts_.constFind(id);
    if (it != fonts_.constEnd()) return *it;
    return fonts_.value(defaultId_);
}

void CFontTable::RebuildProgramFonts() {
    RemoveAll();
    for (const FontSpec& spec : kFonts) {
        QFont font;
        font.setFamilies({QStringLiteral("Verdana Unicode MS"), QStringLiteral("DejaVu Sans"),
                          QStringLiteral("WenQuanYi Micro Hei")});
        font.setPixelSize(spec.pixelSize);
        font.setBold(spec.bold);
        font.setUnderline(spec.underline);
        AddFont(spec.id, font);
    }
    SetDefaultFont(0);
    ++rebuilds_;
}
