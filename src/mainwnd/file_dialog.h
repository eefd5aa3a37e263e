#pragma once
// The open and save dialogs of the profile, macro and shoot-data commands.
//
// A dialog returns the chosen path, or an empty text when the user cancelled; the commands
// end silently on an empty path. Tests queue the next answers instead of a dialog being
// shown (SetNextFileName); an empty answer is a cancelled dialog.
#include <QString>

class QWidget;

enum class FileDialogMode { Open, Save };

// A filter: its display name (which carries the pattern, as users know it) and the pattern
// list, each pattern ended by ";".
struct FileDialogFilter {
    const char* name;
    const char* patterns;
};
inline constexpr FileDialogFilter kProfileFileFilter{"Profile Files(*.json)", "*.json;"};
inline constexpr FileDialogFilter kMacroFileFilter{"Macro Files(*.mac)", "*.mac;"};
inline constexpr FileDialogFilter kShootFileFilter{"Shoot Files(*.shoot)", "*.shoot;"};

// The folder a dialog opens in: the one of the last file chosen in this run while it
// exists, else the user's home.
QString FileDialogFolder();

// Shows the dialog modally over owner, in FileDialogFolder(). Open: the file must exist. Save: a name typed
// without an extension gets the filter's first one; replacing a file is confirmed.
QString AskFileName(QWidget* owner, FileDialogMode mode, const FileDialogFilter& filter);

// The Qt name filter for a filter ("Profile Files(*.json)" -> "Profile Files (*.json)").
QString QtNameFilter(const FileDialogFilter& filter);
// The first pattern's extension without the dot ("json"); empty for "*" or "*.*".
QString DefaultSuffix(const FileDialogFilter& filter);

// ---- test seams ----
// Queues the answer of a coming dialog (empty: cancelled); answers are used in order.
void SetNextFileName(const QString& path);
void ClearNextFileNames();
void ForgetFileDialogFolder();
int PendingFileNames();
// What the last dialog was asked for (filled also when a queued answer was used).
struct FileDialogRequest {
    int count = 0;  // dialogs asked for so far in this process
    FileDialogMode mode = FileDialogMode::Open;
    QString filterName;
    QString folder;  // the folder it opened in
};
const FileDialogRequest& LastFileDialog();
