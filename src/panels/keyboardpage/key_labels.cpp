#include "panels/keyboardpage/key_labels.h"

#include "devices/assignment_labels.h"
#include "devices/keyboard/keyboard_led_table.h"
#include "macros/assignment_words.h"
#include "macros/key_table.h"
#include "ui/language_table.h"

QString DefaultKeyName(int led) {
    if (led < 0 || static_cast<std::size_t>(led) >= keyboard::kLedCount) return {};
    const keyboard::KeyCode& code = keyboard::LedIdentityTable()[static_cast<std::size_t>(led)];
    for (const macros::KeyRow& row : macros::KeyRows()) {
        if (row.category != code.type || row.param1 != code.param1 || row.param2 != code.param2) continue;
        return CLanguageTable::Instance().Text(
            QString::fromUtf8(row.nameKey.data(), static_cast<int>(row.nameKey.size())),
            QString::fromUtf8(row.label.data(), static_cast<int>(row.label.size())));
    }
    return {};
}

QString AssignmentDisplayName(const KeyAssignHalf& assignment, const std::vector<std::string>& macroNames) {
    const AssignmentLabel label = DescribeAssignment(assignment);
    if (!label.textId.empty() && label.suffix.empty())
        return CLanguageTable::Instance().Text(QString::fromStdString(label.textId),
                                               QString::fromUtf8(AssignmentLabelFallback(label.textId)));
    return QString::fromStdString(
        macros::AssignmentName({assignment.type, assignment.param1, assignment.param2}, macroNames));
}

QString KeyToolTip(const QString& defaultName, const QString& assignmentName) {
    return defaultName + CLanguageTable::Instance().Text(QStringLiteral("Key_Set"), QStringLiteral(": ")) +
           assignmentName;
}

bool ShowsKeySetImage(const QString& defaultName, const QString& assignmentName) {
    return defaultName.compare(assignmentName, Qt::CaseInsensitive) != 0;
}
