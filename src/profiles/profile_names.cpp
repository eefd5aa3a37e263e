#include "profiles/profile_names.h"

#include "util/utf8_text.h"

#include <locale.h>
#include <wctype.h>

namespace {

// The locale whose case tables fold the names; null when none is installed.
locale_t FoldLocale() {
    static const locale_t locale = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr))) return l;
        }
        return static_cast<locale_t>(nullptr);
    }();
    return locale;
}

// Decodes one UTF-8 sequence at text[pos] and advances pos. A byte that does not start a
// well-formed sequence stands for itself (mapped above the Unicode range so that it never
// equals a real character).
char32_t NextCodePoint(const std::string& text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return 0x110000u + lead;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0x110000u + lead;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    pos += length;
    return cp;
}

char32_t FoldCodePoint(char32_t cp) {
    if (cp < 0x80) return (cp >= 'A' && cp <= 'Z') ? cp + ('a' - 'A') : cp;
    if (cp > 0x10FFFF) return cp;
    const locale_t locale = FoldLocale();
    if (!locale) return cp;
    return static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), locale));
}

}  // namespace

bool ProfileNamesEqual(const std::string& a, const std::string& b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (FoldCodePoint(NextCodePoint(a, i)) != FoldCodePoint(NextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

bool ProfileNameTaken(const std::string& name, const std::vector<std::string>& taken) {
    for (const std::string& other : taken) {
        if (ProfileNamesEqual(name, other)) return true;
    }
    return false;
}

std::string NewProfileName(const std::vector<std::string>& taken) {
    for (int n = 1;; ++n) {
        std::string name = "profile" + std::to_string(n);
        if (!ProfileNameTaken(name, taken)) return name;
    }
}

std::string CopyProfileName(const std::string& name, const std::vector<std::string>& taken) {
    std::string copy = name + " copy";
    while (ProfileNameTaken(copy, taken)) copy += " copy";
    return copy;
}

std::string ImportProfileName(const std::string& name, const std::vector<std::string>& taken) {
    std::string result = name;
    for (int n = 1; ProfileNameTaken(result, taken); ++n) result += "(" + std::to_string(n) + ")";
    return result;
}

bool IsSafeFileStem(const std::string& id) {
    if (id.empty() || id[0] == '.') return false;
    return id.find('/') == std::string::npos && id.find('\0') == std::string::npos;
}

bool IsPlainProfileId(const std::string& id) {
    return IsSafeFileStem(id) && IsValidUtf8(id);
}
