#include "panels/macro/macro_control_ui.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "macros/key_table.h"
#include "panels/macro/macro_layout.h"
#include "panels/macro/macro_rows.h"
#include "panels/macro/macro_texts.h"
#include "ui/control_factory.h"
#include "ui/controls.h"
#include "ui/text_id.h"

namespace {

using macros::MacroEvent;
constexpr int kNone = -1;
constexpr std::uint16_t kMoveMessage = macros::MouseMessage::kMove;

int Number(const QString& text, bool* ok) {
    return text.trimmed().toInt(ok);
}

// The key list's items carry their key row: F13-F24 are not at their row's position.
int ChosenKeyRow(QWidget* list) {
    auto* combo = qobject_cast<QComboBox*>(list);
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : kNone;
}
int ItemOfKeyRow(QWidget* list, int row) {
    auto* combo = qobject_cast<QComboBox*>(list);
    return combo && row >= 0 ? combo->findData(row) : kNone;
}

}  // namespace

CMacroControlUI::CMacroControlUI(QWidget* parent) : QWidget(parent) {
    macropage::BuildMacroControls(this);
    OnLanguageChanged(this, [this] { ShowRowTexts(); });
}

void CMacroControlUI::ShowRowTexts() {
    QListWidget* list = EventList();
    for (int i = 0; list && i < rows_.Count() && i < list->count(); ++i)
        macropage::ShowEventTexts(ListRowWidget(list, i), rows_.Events()[static_cast<size_t>(i)]);
}

QWidget* CMacroControlUI::Control(const char* name) const {
    return FindControl(this, QLatin1String(name));
}
QListWidget* CMacroControlUI::NameList() const {
    return FindControl<QListWidget>(this, QStringLiteral("macro_name_list"));
}
QListWidget* CMacroControlUI::EventList() const {
    return FindControl<QListWidget>(this, QStringLiteral("macro_action_list"));
}

void CMacroControlUI::SetUserFolder(const std::string& folder) {
    if (folder == store_.UserFolder() && !folder.empty()) return;
    store_.SetUserFolder(folder);
    LoadMacroList();
}

// ---- the macro list ----

void CMacroControlUI::LoadMacroList() {
    QListWidget* list = NameList();
    if (!list) return;
    const int keep = GetSelectedMacroIndex();
    store_.Load();
    RemoveAllItems(list);
    for (const macros::MacroInfo& info : store_.Macros())
        AddTextItem(list, QString::fromStdString(info.name));
    SelectMacro(keep >= 0 && keep < store_.Count() ? keep : (store_.Count() > 0 ? 0 : kNone));
}

int CMacroControlUI::GetSelectedMacroIndex() const {
    const int row = GetCurSel(NameList());
    return row >= 0 && row < store_.Count() ? row : kNone;
}

void CMacroControlUI::SelectMacro(int index) {
    SelectItem(NameList(), index);
    LoadSelectedMacro();
}

void CMacroControlUI::LoadSelectedMacro() {
    const int index = GetSelectedMacroIndex();
    if (QWidget* area = Control("macro_action_layout")) area->setEnabled(index >= 0);
    rows_.Assign(index >= 0 ? store_.LoadEvents(index) : std::vector<MacroEvent>{});
    ShowRows();
}

void CMacroControlUI::TakeDelayEdits() {
    QListWidget* list = EventList();
    for (int i = 0; list && i < rows_.Count() && i < list->count(); ++i) {
        QWidget* edit = FindControl(ListRowWidget(list, i), QStringLiteral("macro_delay"));
        bool ok = false;
        const int typed = Number(GetText(edit), &ok);
        rows_.SetDelay(i, ok && typed >= 0 ? typed : 0);
        SetText(edit, QString::number(rows_.Events()[static_cast<size_t>(i)].delay));
    }
}

bool CMacroControlUI::SaveSelectedMacro() {
    const int index = GetSelectedMacroIndex();
    if (index < 0) return false;
    TakeDelayEdits();
    return store_.SaveEvents(index, rows_.Events()) == macros::MacroResult::Done;
}

std::string CMacroControlUI::NewMacro() {
    QWidget* nameBox = Control("macro_edit_macroname");
    const int index = store_.NewMacro(GetText(nameBox).trimmed().toStdString());
    if (index < 0) return {};
    SetText(nameBox, QString());
    AddTextItem(NameList(), QString::fromStdString(store_.Macros()[static_cast<size_t>(index)].name));
    SelectMacro(index);
    return store_.Macros()[static_cast<size_t>(index)].name;
}

int CMacroControlUI::DeleteMacro() {
    const int index = GetSelectedMacroIndex();
    if (index < 0 || store_.Delete(index) != macros::MacroResult::Done) return kNone;
    if (auto* list = NameList()) delete list->takeItem(index);
    SelectMacro(store_.Count() > 0 ? 0 : kNone);
    return index;
}

std::pair<int, std::string> CMacroControlUI::RenameMacro() {
    const int index = GetSelectedMacroIndex();
    if (index < 0) return {kNone, {}};
    const std::string name = GetText(Control("macro_edit_macroname")).trimmed().toStdString();
    if (name.empty()) return {kNone, "IsEmpty"};
    if (store_.Rename(index, name) != macros::MacroResult::Done) return {index, {}};
    if (auto* list = NameList()) list->item(index)->setText(QString::fromStdString(name));
    return {index, name};
}

std::string CMacroControlUI::ImportMacro(const std::string& path) {
    if (path.empty()) return {};
    const int index = store_.Import(path);
    if (index < 0) return {};
    AddTextItem(NameList(), QString::fromStdString(store_.Macros()[static_cast<size_t>(index)].name));
    SelectMacro(index);
    return store_.Macros()[static_cast<size_t>(index)].name;
}

bool CMacroControlUI::ExportMacro(const std::string& path) {
    const int index = GetSelectedMacroIndex();
    return !path.empty() && index >= 0 && store_.Export(index, path) == macros::MacroResult::Done;
}

std::string CMacroControlUI::CopyMacro() {
    const int from = GetSelectedMacroIndex();
    if (from < 0) return {};
    const int index = store_.Copy(from);
    if (index < 0) return {};
    AddTextItem(NameList(), QString::fromStdString(store_.Macros()[static_cast<size_t>(index)].name));
    SelectMacro(index);
    return store_.Macros()[static_cast<size_t>(index)].name;
}

// ---- rows ----

void CMacroControlUI::ShowRows() {
    QListWidget* list = EventList();
    if (!list) return;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const MacroEvent& event : rows_.Events())
        if (QWidget* row = ListAddRowFromSkin(list, QLatin1String(macropage::kRowSkin)))
            macropage::ShowEventRow(row, event);
    SelectItem(list, rows_.Selected());
    if (rows_.Selected() >= 0) list->scrollToItem(list->item(rows_.Selected()));
    ShowEditArea();
}

void CMacroControlUI::ShowSelectedEvent() {
    rows_.Select(GetCurSel(EventList()));
    ShowEditArea();
}

void CMacroControlUI::ShowEditArea() {
    const int row = rows_.Selected();
    if (row < 0) return;
    const MacroEvent& event = rows_.Events()[static_cast<size_t>(row)];
    QWidget* keys = Control("macro_event_key_combo");
    SelectItem(keys, ItemOfKeyRow(keys, macropage::KeyRowOfEvent(event)));
    SelectItem(Control("macro_event_action_combo"), event.down ? 0 : 1);
    SetText(Control("macro_tab_macrodelay_edit"), QString::number(event.delay));
}

// Every row command takes the typed delays first, so that a move does not lose them.
#define ROW_COMMAND(Name, Call)               \
    void CMacroControlUI::Name() {            \
        TakeDelayEdits();                     \
        rows_.Select(GetCurSel(EventList())); \
        Call;                                 \
        ShowRows();                           \
    }
ROW_COMMAND(MoveEventUp, rows_.MoveUp())
ROW_COMMAND(MoveEventDown, rows_.MoveDown())
ROW_COMMAND(MoveEventToTop, rows_.MoveToTop())
ROW_COMMAND(MoveEventToBottom, rows_.MoveToBottom())
ROW_COMMAND(DeleteEvent, rows_.Delete(rows_.Selected()))
ROW_COMMAND(DeleteAllEvents, rows_.DeleteAll())
#undef ROW_COMMAND

int CMacroControlUI::DistanceFromEdit(const char* name) {
    QWidget* edit = Control(name);
    bool ok = false;
    const int typed = Number(GetText(edit), &ok);
    const int distance =
        std::clamp(ok ? typed : macros::kMinDistance, macros::kMinDistance, macros::kMaxDistance);
    SetText(edit, QString::number(distance));
    return distance;
}

bool CMacroControlUI::InsertMouseEvent(std::uint16_t message, int variant) {
    static constexpr const char* kDistanceEdits[] = {"mouse_x_left_edit", "mouse_x_right_edit",
                                                     "mouse_y_up_edit", "mouse_y_down_edit"};
    int distance = 0;
    if (message == kMoveMessage) {
        if (variant < 0 || variant > 3) return false;
        distance = DistanceFromEdit(kDistanceEdits[variant]);
    }
    const auto event = macros::CMacroEventList::MouseEvent(message, variant, distance);
    if (!event || rows_.Full()) return false;
    TakeDelayEdits();
    // Inserted like a recorded event: appended, the delay by the page's record mode.
    MacroEvent placed = *event;
    const macros::RecordMode mode = TimingRecordMode();
    placed.delay = mode == macros::RecordMode::Fixed ? recorder_.FixedDelay() : 0;
    rows_.Insert(rows_.Count(), placed);
    ShowRows();
    return true;
}

bool CMacroControlUI::ApplyEventEdit() {
    TakeDelayEdits();
    const int row = GetCurSel(EventList());
    if (row < 0 || row >= rows_.Count()) return false;
    const int key = ChosenKeyRow(Control("macro_event_key_combo"));
    bool ok = false;
    const int delay = Number(GetText(Control("macro_tab_macrodelay_edit")), &ok);
    const MacroEvent& event = rows_.Events()[static_cast<size_t>(row)];
    const bool isKey = event.type == macros::EventType::kKey || event.type == macros::EventType::kModifier;
    if ((isKey && key >= 0 && !rows_.SetKey(row, static_cast<std::size_t>(key))) ||
        !rows_.SetAction(row, GetCurSel(Control("macro_event_action_combo")) != 1) ||
        (ok && !rows_.SetDelay(row, delay))) {
        ShowRows();
        return false;
    }
    rows_.Select(row);
    ShowRows();
    return true;
}

bool CMacroControlUI::InsertKeyEvent() {
    TakeDelayEdits();
    const int key = ChosenKeyRow(Control("macro_event_key_combo"));
    if (key < 0 || rows_.Full()) return false;
    const int selected = GetCurSel(EventList());
    const int at = selected >= 0 ? selected + 1 : rows_.Count();
    bool ok = false;
    const int delay = Number(GetText(Control("macro_tab_macrodelay_edit")), &ok);
    if (!rows_.Insert(at, MacroEvent{macros::EventType::kKey, 0, true, 0})) return false;
    rows_.SetKey(at, static_cast<std::size_t>(key));
    rows_.SetAction(at, GetCurSel(Control("macro_event_action_combo")) != 1);
    rows_.SetDelay(at, ok ? std::max(delay, 0) : 0);
    ShowRows();
    return true;
}

// ---- recording ----

macros::RecordMode CMacroControlUI::TimingRecordMode() const {
    if (IsSelected(Control("macro_check_nodelay"))) return macros::RecordMode::NoDelay;
    return IsSelected(Control("macro_check_time")) ? macros::RecordMode::Fixed : macros::RecordMode::Measured;
}

void CMacroControlUI::UpdateFixedDelay() {
    QWidget* edit = Control("macro_fixed_time_edit");
    bool ok = false;
    const qlonglong typed = GetText(edit).trimmed().toLongLong(&ok);
    const int stored = recorder_.SetFixedDelay(ok ? typed : 0);
    if (GetText(edit) != QString::number(stored)) {
        SetText(edit, QString::number(stored));
        if (auto* line = qobject_cast<QLineEdit*>(edit)) line->end(false);
    }
}

void CMacroControlUI::StartRecording(macros::RecordMode mode) {
    TakeDelayEdits();
    rows_.Select(GetCurSel(EventList()));
    if (mode == macros::RecordMode::Fixed) UpdateFixedDelay();
    recorder_.Start(mode, macros::MonotonicMilliseconds());
    recording_ = true;
    SetRecordingUi(false);
    TakeStopButtonArea();
}

// Where Stop is on the screen now: it is laid out only once shown, and the window may have
// moved since recording started, so this is taken again for every recorded event.
void CMacroControlUI::TakeStopButtonArea() {
    QWidget* stop = Control("macro_btn_stopredio");
    if (!stop || !stop->isVisible()) {
        recorder_.SetStopRect(std::nullopt);
        return;
    }
    const QRect area(stop->mapToGlobal(QPoint(0, 0)), stop->size());
    recorder_.SetStopRect(
        macros::ScreenRect{area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
}

void CMacroControlUI::SetRecordingUi(bool editable) {
    if (editable) recording_ = false;
    for (const char* name : {"macro_name_tab", "macro_tab_macroaction_edit", "macro_action_list"})
        if (QWidget* control = Control(name)) control->setEnabled(editable);
    if (QWidget* start = Control("macro_btn_starredio")) start->setVisible(editable);
    if (QWidget* stop = Control("macro_btn_stopredio")) stop->setVisible(!editable);
}

bool CMacroControlUI::Record(const macros::HookRecord& record, macros::RecordPosition position) {
    if (!recording_ || GetSelectedMacroIndex() < 0) return false;
    TakeStopButtonArea();
    if (!recorder_.Record(record, position, rows_)) return false;
    ShowRows();
    return true;
}

int CMacroControlUI::FinishRecording() {
    const int added = recorder_.Finish(macros::MonotonicMilliseconds(), rows_);
    ShowRows();
    return added;
}

void CMacroControlUI::ShowCaptureNote(CaptureNote note) {
    // By CaptureNote, in its order.
    static constexpr const TextId* kNotes[] = {nullptr, &macropage::text::kWindowOnlyNote,
                                               &macropage::text::kX11Note, &macropage::text::kEvdevNote};
    QWidget* label = Control("macro_record_note");
    if (!label) return;
    const TextId* text = kNotes[static_cast<int>(note)];
    if (text) BindText(label, *text);
    label->setVisible(text != nullptr);
}

void RegisterMacroControlClasses() {
    CControlFactory::Instance().RegisterControl(
        QStringLiteral("CMacroControlUI"),
        [](QWidget* parent) -> QWidget* { return new CMacroControlUI(parent); });
}
