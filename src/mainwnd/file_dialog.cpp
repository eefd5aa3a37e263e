#include "mainwnd/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <deque>

namespace {

std::deque<QString>& Answers() {
    static std::deque<QString> answers;
    return answers;
}

FileDialogRequest& LastRequest() {
    static FileDialogRequest request;
    return request;
}

// The folder of the last file chosen in this run; the dialogs start there.
QString& LastFolder() {
    static QString folder;
    return folder;
}

void RememberFolderOf(const QString& path) {
    if (!path.isEmpty()) LastFolder() = QFileInfo(path).absolutePath();
}

QStringList Patterns(const FileDialogFilter& filter) {
    return QString::fromLatin1(filter.patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

}  // namespace

QString QtNameFilter(const FileDialogFilter& filter) {
    QString name = QString::fromLatin1(filter.name);
    const qsizetype open = name.lastIndexOf(QLatin1Char('('));
    if (open > 0) name = name.left(open).trimmed();
    return QStringLiteral("%1 (%2)").arg(name, Patterns(filter).join(QLatin1Char(' ')));
}

QString DefaultSuffix(const FileDialogFilter& filter) {
    const QStringList patterns = Patterns(filter);
    if (patterns.isEmpty()) return {};
    const QString first = patterns.front();
    const qsizetype dot = first.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return {};
    const QString suffix = first.mid(dot + 1);
    return suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

QString FileDialogFolder() {
    if (!LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir()) return LastFolder();
    return QDir::homePath();
}

QString AskFileName(QWidget* owner, FileDialogMode mode, const FileDialogFilter& filter) {
    FileDialogRequest& request = LastRequest();
    ++request.count;
    request.mode = mode;
    request.filterName = QString::fromLatin1(filter.name);
    request.folder = FileDialogFolder();
    if (!Answers().empty()) {
        const QString answer = Answers().front();
        Answers().pop_front();
        RememberFolderOf(answer);
        return answer;
    }

    QFileDialog dialog(owner);
    // Not the working directory, which means nothing to a program started from a menu.
    dialog.setDirectory(request.folder);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setNameFilter(QtNameFilter(filter));
    if (mode == FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // An export goes to a new file as a rule, so the file need not exist.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(DefaultSuffix(filter));
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    RememberFolderOf(files.front());
    return files.front();
}

void SetNextFileName(const QString& path) {
    Answers().push_back(path);
}
void ClearNextFileNames() {
    Answers().clear();
}
void ForgetFileDialogFolder() {
    LastFolder().clear();
}
int PendingFileNames() {
    return static_cast<int>(Answers().size());
}
const FileDialogRequest& LastFileDialog() {
    return LastRequest();
}
