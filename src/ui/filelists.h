#pragma once

// Drive, folder and file lists over the machine's real file system.
//
// Mounted volumes stand for drives. Paths are kept as the file system's own bytes,
// so a name that is not valid UTF-8 can still be entered; what is shown is a
// plain-text rendering of those bytes (control characters drawn as symbols).
// Each list raises its change event only when its value really changes, after it
// has filled itself.

#include <QAbstractListModel>
#include <QByteArray>
#include <QComboBox>
#include <QListView>
#include <QString>
#include <map>
#include <vector>

#include "ui/controls.h"

namespace ui {

// ---------------------------------------------------------------- volumes

struct MountEntry {
    QByteArray root;  // the mount point
    QByteArray fsType;
    QByteArray source;
    bool wholeFileSystem = true;  // false for a bind mount of a folder or a file
};

// Where the volumes come from: the machine's mount table, or a fake in tests.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // Every mount as the table lists it now; reading it touches no volume.
    virtual std::vector<MountEntry> mounts() const = 0;
    // Whether a volume can be entered now: still mounted, and its root answers.
    virtual bool isReady(const QByteArray& root) const = 0;
};

const VolumeSource& volumes();
// Installs another source (tests); nullptr goes back to the machine's mount table.
void setVolumeSource(const VolumeSource* source);

// The mount table in the kernel's mountinfo format.
std::vector<MountEntry> parseMountInfo(const QByteArray& text);

// The volumes worth offering as drives: those on a device or a network share,
// always with "/" and the volume holding the start folder; sorted.
std::vector<QByteArray> driveRoots(const std::vector<MountEntry>& mounts, const QByteArray& startFolder);

// The deepest of the roots that holds the path (or "/").
QByteArray volumeOf(const QByteArray& path, const std::vector<QByteArray>& roots);

// The folder the lists start in: the working directory, else home, else "/".
QByteArray startFolder();

// A file system name or path as the lists show it: plain text, never rich text,
// control characters as visible symbols.
QString displayName(const QByteArray& native);

// Case-insensitive match of a name against patterns such as "*.CHT" or "*.a;*.b".
bool matchesPattern(const QString& name, const QString& patterns);

// ---------------------------------------------------------------- the lists

enum class PathResult { Done, NotReady, Failed };

// Rows of names for the folder and file lists; a fixed row height keeps a list
// of 100,000 names fast.
class NameModel : public QAbstractListModel {
    Q_OBJECT
public:
    struct Row {
        QByteArray native;  // the full path for folders, the name for files
        QString shown;
        int depth = 0;      // folders: indentation level; -1 for files
        bool open = false;  // folders: part of the chain to the current folder
    };
    using QAbstractListModel::QAbstractListModel;
    void setRows(std::vector<Row> rows);
    const Row& row(int i) const { return rows_.at(static_cast<size_t>(i)); }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<Row> rows_;
};

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);

    QByteArray Drive() const;  // the selected volume's root
    int ListIndex() const { return currentIndex(); }
    // Selects from code; raises Change when the drive changes.
    void setListIndex(int index) { setCurrentIndex(index); }
    int ListCount() const { return count(); }
    QByteArray root(int index) const;

signals:
    void Change();
    // The focus came from another control of the window (not back from the
    // list's own popup, a message box or another window).
    void GotFocus();

protected:
    void focusInEvent(QFocusEvent* e) override;
};

class DirList : public QListView {
    Q_OBJECT
public:
    explicit DirList(QWidget* parent = nullptr);

    QByteArray Path() const { return path_; }
    // Enters a folder. An unreadable folder is entered and shows no subfolders.
    PathResult setPath(const QByteArray& folder);
    // Goes to a volume: back to the folder this list was in on it, else its root.
    PathResult setDrive(const QByteArray& root);

    int ListCount() const { return model_->rowCount(); }
    QString List(int index) const { return model_->row(index).shown; }
    // Opens the folder of a row, as a double-click or Enter does.
    void openRow(int index);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void enter(const QByteArray& folder);
    void showCurrent();
    NameModel* model_;
    QByteArray root_;
    QByteArray path_;
    std::map<QByteArray, QByteArray> lastFolder_;  // per volume root
};

class FileList : public QListView {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QByteArray Path() const { return path_; }
    void setPath(const QByteArray& folder);  // raises PathChange when it changes
    QString Pattern() const { return pattern_; }
    void setPattern(const QString& pattern);  // raises PatternChange when it changes

    int ListCount() const;
    QString List(int index) const;

signals:
    void PathChange();
    void PatternChange();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The folder is read when its names are first wanted (asked for, or shown),
    // so setting the path and the pattern while a window opens reads it once.
    void refresh();
    void fillIfStale() const;
    NameModel* model_;
    QByteArray path_;
    QString pattern_ = QStringLiteral("*");
    mutable bool stale_ = true;
};

// A label for a path: the whole path is its text, a path too long for the label
// is shown shortened in the middle, with the whole of it as the tool tip.
class PathLabel : public Label {
    Q_OBJECT
public:
    explicit PathLabel(const QString& text = {}, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString shownText() const;
};

}  // namespace ui
